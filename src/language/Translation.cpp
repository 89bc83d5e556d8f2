#include "language/Translation.hpp"

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace
{
constexpr const char* Domain = "vantorix";

bool sStarted = false;
// The environment's languages, as LANGUAGE lists them.
std::string sSystem;

// The first variable that names the messages' language, in gettext's order.
std::string environmentLanguages()
{
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value && *value)
            return value;
    return {};
}

bool isPlainC(const char* locale)
{
    return !locale || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0;
}
} // namespace

const std::vector<Translation::Language>& Translation::languages()
{
    // Spelt out as code points, so that the source stays ASCII.
    static const std::vector<Language> all = {
        {"en", "English"},
        {"de", "Deutsch"},
        {"es", "Espa\u00f1ol"},
        {"fr", "Fran\u00e7ais"},
        {"pl", "Polski"},
        {"pt_BR", "Portugu\u00eas (Brasil)"},
        {"ru", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
    };
    return all;
}

std::string Translation::nameOf(const std::string& code)
{
    const auto& all = languages();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const Language& each) { return code == each.code; });
    return found == all.end() ? code : found->name;
}

// ll or lll, then perhaps _CC, then perhaps @variant: "de", "pt_BR", "sr@latin".
bool Translation::isLanguageCode(const std::string& text)
{
    // ASCII letters only, whatever the locale.
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    const auto run = [&text](std::size_t from, bool (*kind)(char))
    {
        std::size_t end = from;
        while (end < text.size() && kind(text[end]))
            ++end;
        return end - from;
    };
    const std::size_t language = run(0, lower);
    if (language < 2 || language > 3)
        return false;
    std::size_t at = language;
    if (at < text.size() && text[at] == '_')
    {
        if (run(at + 1, upper) != 2)
            return false;
        at += 3;
    }
    if (at < text.size() && text[at] == '@')
    {
        const std::size_t variant = run(at + 1, lower);
        if (variant == 0)
            return false;
        at += 1 + variant;
    }
    return at == text.size();
}

std::string Translation::catalogueFolder()
{
    std::error_code error;
    if (std::filesystem::is_directory("locale", error))
        return "locale";
    // Relative to the data folder, which the installed game runs in.
    return VANTORIX_INSTALLED_LOCALE;
}

void Translation::start(const std::string& catalogues)
{
    std::setlocale(LC_CTYPE, "");
    // gettext does not hear LANGUAGE under the plain C locale, which is also
    // what a machine without the player's locale installed gives: its UTF-8
    // twin speaks the same English and hears it.
    if (isPlainC(std::setlocale(LC_MESSAGES, "")))
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    sSystem = environmentLanguages();
    // gettext would resolve a relative folder against whatever folder is
    // current when it first looks.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(catalogues, error);
    bindtextdomain(Domain, error ? catalogues.c_str() : folder.c_str());
    bind_textdomain_codeset(Domain, "UTF-8");
    textdomain(Domain);
    sStarted = true;
    choose("system");
}

void Translation::choose(const std::string& language)
{
    if (!sStarted)
        return;
    const std::string wanted = language == "system" ? sSystem : language;
    if (wanted.empty())
        unsetenv("LANGUAGE");
    else
        setenv("LANGUAGE", wanted.c_str(), 1);
    // Naming the domain again tells gettext that its catalogues may have changed.
    textdomain(Domain);
}

void Translation::stop()
{
    std::setlocale(LC_MESSAGES, "C");
    std::setlocale(LC_CTYPE, "C");
    sStarted = false;
}

const char* tr(const char* english)
{
    // gettext of "" is the catalogue's header.
    return english[0] == '\0' ? english : dgettext(Domain, english);
}

std::string fill(const char* sentence, const std::vector<std::string>& values)
{
    std::string filled;
    std::size_t next = 0;
    for (const char* at = sentence; *at != '\0'; ++at)
    {
        if (*at != '%')
        {
            filled += *at;
            continue;
        }
        if (at[1] == '%')
        {
            filled += '%';
            ++at;
        }
        else if (at[1] == 's')
        {
            if (next < values.size())
                filled += values[next];
            ++next;
            ++at;
        }
        else if (at[1] >= '1' && at[1] <= '9' && at[2] == '$' && at[3] == 's')
        {
            const auto index = static_cast<std::size_t>(at[1] - '1');
            if (index < values.size())
                filled += values[index];
            at += 3;
        }
        else
            filled += '%';
    }
    return filled;
}
