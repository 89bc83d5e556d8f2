#include "presentation/RuleHints.hpp"

#include "foundation/Field.hpp"
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
    sf::Text text(sf::String::fromUtf8(words.begin(), words.end()), font, size);
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
    return line(font, "Stop every ship before it reaches the bottom",
                TextSizes::of(TextSizes::Use::FirstLevelRule, large),
                FieldHeight * (large ? 0.6f : 0.56f));
}

// Below the game-over picture's band of words. U+00B7, the middle dot, is
// spelt out so that the source stays ASCII.
sf::Text RuleHints::gameOverKeys(const sf::Font& font, bool pad, bool large)
{
    return line(
        font, pad ? "A: play again \xC2\xB7 B: title" : "Enter: play again \xC2\xB7 Escape: title",
        TextSizes::of(TextSizes::Use::GameOverKeys, large), FieldHeight - (large ? 18.f : 14.f));
}
