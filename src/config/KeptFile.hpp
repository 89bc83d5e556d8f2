#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// A small file the game keeps between runs (the settings, the best level), in
// the player's XDG folders. It is read whole, with a size limit, and written
// atomically: a temporary file in the same folder, flushed to disk, renamed
// over the old one, then the folder flushed, so a crash at any moment leaves
// the old contents or the new ones, never a mix. A writer holds the file's
// lock (a lock file beside it), so two games never write it at once, and each
// write clears the temporary files a crashed one left. It reports problems;
// its owner decides what they cost and says so on standard error.
class KeptFile
{
public:
    enum class Place
    {
        Data,   // $XDG_DATA_HOME, by default ~/.local/share
        Config, // $XDG_CONFIG_HOME, by default ~/.config
        Cache,  // $XDG_CACHE_HOME, by default ~/.cache
    };

    struct Reading
    {
        enum class Status
        {
            Missing,    // no file: nothing was kept yet
            Read,       // contents holds the whole file
            TooLarge,   // read, and larger than allowed; problem says so
            Unreadable, // there, but not a regular file or not readable; problem says why
        };
        Status status = Status::Missing;
        std::string contents;
        std::string problem;
    };

    // The calls that make a write last: a file or folder flushed to disk, the
    // temporary file renamed over the old one. Tests hand in their own to watch
    // the order or to stop a write between two steps.
    class Disk
    {
    public:
        virtual ~Disk() = default;
        virtual bool flush(int fd) const;
        virtual bool rename(const std::filesystem::path& from,
                            const std::filesystem::path& to) const;
    };

    // The file <place>/vantorix/<name>. A disk given must outlive the object.
    KeptFile(Place place, std::string name, const Disk* disk = nullptr);

    // Empty when neither the XDG variable nor HOME says where the folder is.
    const std::filesystem::path& path() const { return mPath; }

    Reading read(std::size_t maxBytes) const;
    // Any file, read as a kept one is: whole, within the limit, and only when
    // it is a regular file.
    static Reading readFile(const std::filesystem::path& path, std::size_t maxBytes);
    // On failure, returns false and says why in problem.
    bool write(const std::string& contents, std::string& problem) const;

    // Reads the file and writes what change makes of it, all under the lock, so
    // that no other game writes in between; change returns nothing to leave
    // the file as it is.
    using Change = std::function<std::optional<std::string>(const Reading& current)>;
    bool update(std::size_t maxBytes, const Change& change, std::string& problem) const;

private:
    bool replace(const std::string& contents, std::string& problem) const;

    std::filesystem::path mPath;
    const Disk* mDisk;
};
