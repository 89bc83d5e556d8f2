#pragma once

#include "config/KeptFile.hpp"
#include "config/SettingValues.hpp"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What the player last chose, remembered between runs in a small INI file of
// "key = value" lines, one for each row of the settings table. A missing file
// means the defaults; a line that cannot be used costs only its own setting,
// and one line naming it. A file the game refuses as a whole (too large, not
// text) is set aside once as settings.ini.bad, never written over; one that
// cannot be read is left as it is, and nothing is remembered that run. A file
// that cannot be written costs only the remembering.
class Settings
{
public:
    using Values = SettingValues;

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
    // The file is read again under its lock first: what another copy of the
    // game or an editor changed since is kept, for every setting that this
    // game has not changed since it last wrote.
    void save(const Values& values, std::ostream& problems);

    // Lines "key = value"; blank lines, comments (# or ;) and [sections] are
    // skipped. None for what is not text at all or larger than LargestFile.
    static std::optional<Reading> parse(const std::string& text);
    // Always something parse() reads back whole: unknown lines that would
    // make it too large are left out.
    static std::string format(const Values& values, const std::vector<std::string>& unknown = {});

    static constexpr std::size_t LargestFile = 64 * 1024;

private:
    std::optional<std::string> merged(const KeptFile::Reading& current, const Values& before,
                                      std::ostream& problems);
    void setAside(const std::string& why, std::ostream& problems);

    KeptFile mFile;
    Values mValues;
    std::vector<std::string> mUnknown;
    bool mReported = false;  // one line a run about writing the file is enough
    bool mLeftAlone = false; // there, but not readable: never written over
};
