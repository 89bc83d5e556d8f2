#pragma once

#include "config/KeptFile.hpp"
#include "config/KeyBindings.hpp"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What the player last chose for the sound, the window, the frame rate and
// the keys, remembered between runs in a small INI file. A missing file means
// the defaults; an oversized one means the defaults and one line on the
// problems stream; a line that cannot be used costs only its own setting, and
// one line naming it. A file that cannot be read is left as it is, and nothing
// is remembered that run. A file that cannot be written costs only the
// remembering.
class Settings
{
public:
    struct Values
    {
        Values() = default;
        // The sound and the window, the rest as by default.
        Values(bool isMuted, int level, bool isFullscreen)
            : muted(isMuted), volume(level), fullscreen(isFullscreen)
        {
        }

        bool muted = false;
        int volume = 100; // master volume, 0 to 100
        bool fullscreen = false;
        int music = 100;         // the menu's song, 0 to 100 of the master volume
        int effects = 100;       // every other sound, likewise
        unsigned int maxFps = 0; // frame cap for play; 0 for none
        KeyBindings keys;

        bool operator==(const Values& other) const
        {
            return muted == other.muted && volume == other.volume &&
                   fullscreen == other.fullscreen && music == other.music &&
                   effects == other.effects && maxFps == other.maxFps && keys == other.keys;
        }
    };

    struct Reading
    {
        Values values;
        // One for each line that cannot be used, naming it; its setting keeps its default.
        std::vector<std::string> problems;
        // "key = value" lines of settings this game does not know, kept to be
        // written back, so that a newer game's settings survive an older one.
        std::vector<std::string> unknown;
    };

    explicit Settings(KeptFile file = KeptFile(KeptFile::Place::Config, "settings.ini"));

    void load(std::ostream& problems);
    const Values& values() const { return mValues; }

    // Remembers the player's new choices; writes only when something changed.
    void save(const Values& values, std::ostream& problems);

    // Lines "key = value"; blank lines, comments (# or ;) and [sections] are
    // skipped. None for what is not text at all.
    static std::optional<Reading> parse(const std::string& text);
    static std::string format(const Values& values, const std::vector<std::string>& unknown = {});

    // The most a line may hold, and the range of each number.
    static constexpr unsigned int LargestMaxFps = 1000;

private:
    KeptFile mFile;
    Values mValues;
    std::vector<std::string> mUnknown;
    bool mReported = false;  // one line a run about writing the file is enough
    bool mLeftAlone = false; // there, but not readable: never written over
};
