#pragma once

#include <string>
#include <vector>

// The game's own words in the player's language, through the C library's
// gettext (text domain "vantorix", catalogues locale/<ll>/LC_MESSAGES/vantorix.mo).
// Until start() every word stays English, as in the tests.
namespace Translation
{
struct Language
{
    const char* code; // as settings.ini and LANGUAGE name it
    const char* name; // in its own words, as the options show it
};

// Every language the game has a catalogue for, English (the words in the
// code) first.
const std::vector<Language>& languages();
// The language's own name; an unknown code is shown as it is.
std::string nameOf(const std::string& code);
// "de", "pt_BR", "sr@latin" ...: what the settings file accepts besides "system".
bool isLanguageCode(const std::string& text);

// Where the catalogues are: "locale" in the working folder, as the game finds
// Media (a build folder), or else where the installed game keeps them.
std::string catalogueFolder();

// Takes the messages' language and the characters' encoding from the
// environment, and nothing else, so that numbers read the same in every
// locale; then speaks the environment's language.
void start(const std::string& catalogues);
// "system" for the environment's language, or a code such as "de"; a language
// without a catalogue speaks English. Nothing happens before start().
void choose(const std::string& language);
// Back to the words in the code, as before start(): for the tests, which
// speak each language in turn.
void stop();
} // namespace Translation

// The words in the chosen language, UTF-8; the English ones when the
// catalogue has none.
const char* tr(const char* english);

// Marks words for the catalogue where they are kept (a table, a page's
// labels); they are translated with tr() where they are shown.
constexpr const char* trMark(const char* english)
{
    return english;
}

// A sentence with its values put in: each "%s" takes the next value, and
// "%1$s", "%2$s" a given one, so that a translation may order them its own
// way; "%%" is a percent sign. Whatever else follows a '%' stays as written:
// a damaged catalogue cannot make it read past its values.
std::string fill(const char* sentence, const std::vector<std::string>& values);
