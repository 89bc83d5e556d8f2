#include "config/Settings.hpp"

#include "config/RowMakers.hpp"
#include "config/SettingsTable.hpp"
#include "config/ShownText.hpp"

#include <cstdio>
#include <sstream>

namespace
{
// A problem names a line by its first characters.
constexpr std::size_t QuotedLength = 60;

std::string shown(const std::filesystem::path& path)
{
    return ShownText::escaped(path.string());
}
} // namespace

Settings::Settings(KeptFile file) : mFile(std::move(file)) {}

std::optional<Settings::Reading> Settings::parse(const std::string& text)
{
    if (text.find('\0') != std::string::npos || text.size() > LargestFile)
        return std::nullopt;
    Reading reading;
    // Some editors start a UTF-8 file with a byte order mark.
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::istringstream in(text.compare(0, 3, byteOrderMark) == 0 ? text.substr(3) : text);
    for (std::string line; std::getline(in, line);)
    {
        line = RowMakers::trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';' ||
            (line.front() == '[' && line.back() == ']'))
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = RowMakers::trimmed(line.substr(0, equals));
        const std::string value =
            equals == std::string::npos ? "" : RowMakers::trimmed(line.substr(equals + 1));
        const SettingsTable::Row* row = SettingsTable::find(key);
        if (equals == std::string::npos || key.empty())
            reading.problems.push_back(ShownText::quoted(line, QuotedLength) + " is not a setting");
        else if (!row)
            reading.unknown.push_back(key + " = " + value);
        else if (!row->read(value, reading.values))
            reading.problems.push_back(ShownText::quoted(line, QuotedLength) + " cannot be used; " +
                                       key + " keeps its earlier value");
    }
    // No play action is ever left without a key, whatever the lines took from it.
    for (KeyBindings::Action action : reading.values.keys.restoreMissing())
        reading.problems.push_back(std::string(KeyBindings::nameOf(action)) +
                                   " was left without a key and keeps its default");
    return reading;
}

std::string Settings::format(const Values& values, const std::vector<std::string>& unknown)
{
    std::string text = "# Vantorix settings, rewritten by the game when you change them.\n";
    for (const SettingsTable::Row& row : SettingsTable::rows())
    {
        const std::string value = row.write(values);
        // An empty list of pad buttons means the pad's own: no line says it.
        if (!value.empty())
            text += row.key + " = " + value + '\n';
    }
    for (const std::string& line : unknown)
        if (text.size() + line.size() + 1 <= LargestFile)
            text += line + '\n';
    return text;
}

void Settings::load(std::ostream& problems)
{
    mValues = Values();
    mUnknown.clear();
    mLeftAlone = false;
    const KeptFile::Reading reading = mFile.read(LargestFile);
    switch (reading.status)
    {
    case KeptFile::Reading::Status::Missing:
        return;
    case KeptFile::Reading::Status::Unreadable:
        // A file that could not be read is not ours to replace: nothing is kept this run.
        problems << "vantorix: the settings in " << shown(mFile.path()) << " cannot be read ("
                 << reading.problem << "); using the defaults, and changes will not be kept"
                 << std::endl;
        mLeftAlone = true;
        mReported = true;
        return;
    case KeptFile::Reading::Status::TooLarge:
        setAside(reading.problem, problems);
        return;
    case KeptFile::Reading::Status::Read:
        break;
    }
    const auto parsed = parse(reading.contents);
    if (!parsed)
    {
        setAside("it is not text", problems);
        return;
    }
    mValues = parsed->values;
    mUnknown = parsed->unknown;
    for (const std::string& line : parsed->problems)
        problems << "vantorix: in the settings in " << shown(mFile.path()) << ", " << line
                 << std::endl;
}

// Whatever made the file unusable, it may be the player's own work: it goes
// where the next write cannot reach it.
void Settings::setAside(const std::string& why, std::ostream& problems)
{
    const std::string aside = mFile.path().string() + ".bad";
    const bool moved = std::rename(mFile.path().c_str(), aside.c_str()) == 0;
    problems << "vantorix: the settings in " << shown(mFile.path()) << " cannot be used (" << why
             << "); " << (moved ? "set aside as " + ShownText::escaped(aside) : "left as it is")
             << ", using the defaults" << std::endl;
    mLeftAlone = !moved;
    mReported = true;
}

void Settings::save(const Values& values, std::ostream& problems)
{
    if (values == mValues)
        return;
    const Values before = mValues;
    mValues = values;
    if (mLeftAlone)
        return;
    std::string problem;
    const bool written = mFile.update(
        LargestFile,
        [&](const KeptFile::Reading& current) -> std::optional<std::string>
        { return merged(current, before, problems); },
        problem);
    if (!written && !mReported)
    {
        problems << "vantorix: the settings cannot be remembered: " << problem << std::endl;
        mReported = true;
    }
}

// The file as it is now, with this game's changes since `before` written over
// it; none when a file the game refuses is there and cannot be set aside.
std::optional<std::string> Settings::merged(const KeptFile::Reading& current, const Values& before,
                                            std::ostream& problems)
{
    std::optional<Reading> theirs;
    if (current.status == KeptFile::Reading::Status::Read)
        theirs = parse(current.contents);
    if ((current.status == KeptFile::Reading::Status::Read && !theirs) ||
        current.status == KeptFile::Reading::Status::TooLarge)
    {
        setAside(current.status == KeptFile::Reading::Status::Read ? "it is not text"
                                                                   : current.problem,
                 problems);
        if (mLeftAlone)
            return std::nullopt;
    }
    if (!theirs)
        return format(mValues, mUnknown);
    Values values = theirs->values;
    for (const SettingsTable::Row& row : SettingsTable::rows())
        if (!row.same(before, mValues))
            row.copy(mValues, values);
    values.keys.restoreMissing();
    mUnknown = theirs->unknown;
    return format(values, mUnknown);
}
