#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// A small file the game keeps between runs (the settings, the best level), in
// the player's XDG folders. It is read whole, with a size limit, and written
// atomically: a temporary file in the same folder, flushed to disk, then
// renamed over the old one, so a crash at any moment leaves the old contents
// or the new ones, never a mix. It reports problems; its owner decides what
// they cost and says so on standard error.
class KeptFile
{
public:
    enum class Place
    {
        Data,   // $XDG_DATA_HOME, by default ~/.local/share
        Config, // $XDG_CONFIG_HOME, by default ~/.config
    };

    struct Reading
    {
        enum class Status
        {
            Missing,  // no file: nothing was kept yet
            Read,     // contents holds the whole file
            Unusable, // there but not readable as a file, or too large; problem says why
        };
        Status status = Status::Missing;
        std::string contents;
        std::string problem;
    };

    // The file <place>/vantorix/<name>.
    KeptFile(Place place, std::string name);

    // Empty when neither the XDG variable nor HOME says where the folder is.
    const std::filesystem::path& path() const { return mPath; }

    Reading read(std::size_t maxBytes) const;
    // On failure, returns false and says why in problem.
    bool write(const std::string& contents, std::string& problem) const;

private:
    std::filesystem::path mPath;
};
