#pragma once

#include "config/KeptFile.hpp"

#include <optional>
#include <ostream>
#include <string>

// What the player last chose for the sound and the window, remembered between
// runs in a small INI file. A missing file means the defaults; an unreadable,
// damaged or oversized one means the defaults and one line on the problems
// stream. A file that cannot be written costs only the remembering.
class Settings
{
public:
    struct Values
    {
        bool muted = false;
        int volume = 100; // master volume, 0 to 100
        bool fullscreen = false;

        bool operator==(const Values& other) const
        {
            return muted == other.muted && volume == other.volume && fullscreen == other.fullscreen;
        }
    };

    explicit Settings(KeptFile file = KeptFile(KeptFile::Place::Config, "settings.ini"));

    void load(std::ostream& problems);
    const Values& values() const { return mValues; }

    // Remembers the player's new choices; writes only when something changed.
    void save(const Values& values, std::ostream& problems);

    // Lines "key = value"; blank lines, comments (# or ;) and [sections] are
    // skipped, unknown keys too, so that a newer game's file still reads.
    static std::optional<Values> parse(const std::string& text);
    static std::string format(const Values& values);

private:
    KeptFile mFile;
    Values mValues;
    bool mReported = false; // one line a run about the file is enough
};
