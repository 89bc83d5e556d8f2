#include "presentation/RuleHints.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"
#include "presentation/TextSizes.hpp"

#include <string>

namespace
{
constexpr float FieldWidth = static_cast<float>(Field::Width);
constexpr float FieldHeight = static_cast<float>(Field::Height);

// Centred on y, in lines that leave a margin at both sides of the field.
sf::Text line(const sf::Font& font, const std::string& words, unsigned int size, float y)
{
    sf::Text text(Lettering::words(words), font, size);
    text.setFillColor(Lettering::Pale);
    Lettering::outline(text);
    Lettering::wrap(text, FieldWidth - 40.f);
    Lettering::anchor(text, sf::Vector2f(FieldWidth / 2.f, y), sf::Vector2f(0.5f, 0.5f));
    return text;
}
} // namespace

// Below the banner, which stands a third of the way across at two fifths down.
sf::Text RuleHints::firstLevelRule(const sf::Font& font, bool large)
{
    return line(font, tr("Stop every ship before it reaches the bottom"),
                TextSizes::of(TextSizes::Use::FirstLevelRule, large),
                FieldHeight * (large ? 0.6f : 0.56f));
}

// Below the game-over picture's band of words.
sf::Text RuleHints::gameOverKeys(const sf::Font& font, bool pad, bool large)
{
    // TRANSLATORS: a pad's buttons, which keep their names; U+00B7, the
    // middle dot, parts the two halves.
    const char* padKeys = tr("A: play again \u00B7 B: title");
    // TRANSLATORS: the keys, which keep their names; U+00B7 parts the halves.
    const char* keys = tr("Enter: play again \u00B7 Escape: title");
    return line(font, pad ? padKeys : keys, TextSizes::of(TextSizes::Use::GameOverKeys, large),
                FieldHeight - (large ? 18.f : 14.f));
}
