#include "config/Settings.hpp"

#include <sstream>

namespace
{
constexpr std::size_t LargestFile = 4096;

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::optional<bool> parseFlag(const std::string& text)
{
    if (text == "true" || text == "yes" || text == "on" || text == "1")
        return true;
    if (text == "false" || text == "no" || text == "off" || text == "0")
        return false;
    return std::nullopt;
}

std::optional<int> parseVolume(const std::string& text)
{
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int volume = std::stoi(text);
    if (volume > 100)
        return std::nullopt;
    return volume;
}
} // namespace

Settings::Settings(KeptFile file) : mFile(std::move(file)) {}

std::optional<Settings::Values> Settings::parse(const std::string& text)
{
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    Values values;
    // Some editors start a UTF-8 file with a byte order mark.
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::istringstream in(text.compare(0, 3, byteOrderMark) == 0 ? text.substr(3) : text);
    for (std::string line; std::getline(in, line);)
    {
        line = trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';' ||
            (line.front() == '[' && line.back() == ']'))
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return std::nullopt;
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));

        bool understood = true;
        if (key == "muted")
        {
            const auto flag = parseFlag(value);
            understood = flag.has_value();
            values.muted = flag.value_or(values.muted);
        }
        else if (key == "fullscreen")
        {
            const auto flag = parseFlag(value);
            understood = flag.has_value();
            values.fullscreen = flag.value_or(values.fullscreen);
        }
        else if (key == "volume")
        {
            const auto volume = parseVolume(value);
            understood = volume.has_value();
            values.volume = volume.value_or(values.volume);
        }
        if (!understood)
            return std::nullopt;
    }
    return values;
}

std::string Settings::format(const Values& values)
{
    std::ostringstream out;
    out << "# Vantorix settings, rewritten by the game when you change them in play.\n"
        << "muted = " << (values.muted ? "true" : "false") << '\n'
        << "volume = " << values.volume << '\n'
        << "fullscreen = " << (values.fullscreen ? "true" : "false") << '\n';
    return out.str();
}

void Settings::load(std::ostream& problems)
{
    mValues = Values();
    const KeptFile::Reading reading = mFile.read(LargestFile);
    if (reading.status == KeptFile::Reading::Status::Missing)
        return;

    std::string problem = reading.problem;
    if (reading.status == KeptFile::Reading::Status::Read)
    {
        if (const auto values = parse(reading.contents))
        {
            mValues = *values;
            return;
        }
        problem = "it is damaged";
    }
    problems << "vantorix: the settings in " << mFile.path().string() << " cannot be used ("
             << problem << "); using the defaults" << std::endl;
    mReported = true;
}

void Settings::save(const Values& values, std::ostream& problems)
{
    if (values == mValues)
        return;
    mValues = values;
    std::string problem;
    if (!mFile.write(format(values), problem) && !mReported)
    {
        problems << "vantorix: the settings cannot be remembered: " << problem << std::endl;
        mReported = true;
    }
}
