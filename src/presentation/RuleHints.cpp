#include "presentation/RuleHints.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"

#include <string>

namespace
{
constexpr float FieldWidth = static_cast<float>(Field::Width);
constexpr float FieldHeight = static_cast<float>(Field::Height);

sf::Text line(const sf::Font& font, const std::string& words, unsigned int size, float y)
{
    sf::Text text(Lettering::words(words), font, size);
    text.setFillColor(Lettering::Pale);
    Lettering::outline(text);
    Lettering::anchor(text, sf::Vector2f(FieldWidth / 2.f, y), sf::Vector2f(0.5f, 0.5f));
    return text;
}
} // namespace

// Below the banner, which stands a third of the way across at two fifths down.
sf::Text RuleHints::firstLevelRule(const sf::Font& font)
{
    return line(font, tr("Stop every ship before it reaches the bottom"), 26, FieldHeight * 0.56f);
}

// Below the game-over picture's band of words.
sf::Text RuleHints::gameOverKeys(const sf::Font& font, bool pad)
{
    // TRANSLATORS: a pad's buttons, which keep their names; U+00B7, the
    // middle dot, parts the two halves.
    const char* padKeys = tr("A: play again \u00B7 B: title");
    // TRANSLATORS: the keys, which keep their names; U+00B7 parts the halves.
    const char* keys = tr("Enter: play again \u00B7 Escape: title");
    return line(font, pad ? padKeys : keys, 20, FieldHeight - 14.f);
}
