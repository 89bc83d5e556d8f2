#include "config/LanguageSetting.hpp"

#include "language/Translation.hpp"

#include <algorithm>

SettingsTable::Row LanguageSetting::row()
{
    SettingsTable::Row made;
    made.key = "language";
    made.label = trMark("Language");
    made.page = SettingsTable::Page::Options;
    made.applies = SettingsTable::Applies::Language;
    made.read = [](const std::string& text, SettingValues& values)
    {
        const bool known = text == "system" || Translation::isLanguageCode(text);
        if (known)
            values.language = text;
        return known;
    };
    made.write = [](const SettingValues& values) { return values.language; };
    made.show = [](const SettingValues& values)
    {
        return values.language == "system" ? std::string(tr("System"))
                                           : Translation::nameOf(values.language);
    };
    made.turn = [](SettingValues& values, int step)
    {
        std::vector<std::string> offered = {"system"};
        for (const Translation::Language& each : Translation::languages())
            offered.emplace_back(each.code);
        const auto at = std::find(offered.begin(), offered.end(), values.language);
        const long index = at == offered.end() ? 0 : at - offered.begin();
        const long count = static_cast<long>(offered.size());
        values.language = offered[static_cast<std::size_t>((index + step + count) % count)];
    };
    made.copy = [](const SettingValues& from, SettingValues& to) { to.language = from.language; };
    made.same = [](const SettingValues& one, const SettingValues& other)
    { return one.language == other.language; };
    made.reset = [](SettingValues& values) { values.language = "system"; };
    return made;
}
