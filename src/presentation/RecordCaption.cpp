#include "presentation/RecordCaption.hpp"

#include "foundation/Field.hpp"
#include "presentation/Lettering.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <string>

namespace
{
const sf::Color GameOverInk(255, 236, 220);
const sf::Color NewBestInk(255, 208, 90);
const sf::Color PlateFill(10, 6, 24, 205);
const sf::Color PlateRim(200, 235, 255, 70);
constexpr float PlatePadding = 7.f;
} // namespace

RecordCaption RecordCaption::forMenu(const sf::Font& font, std::optional<int> best,
                                     const PlayRules& next)
{
    RecordCaption caption;
    const std::string mode = PlayRules::nameOf(next.mode);
    std::string words;
    if (next.mode == PlayMode::Practice)
        words = mode + " from Level " + std::to_string(next.startLevel.value_or(1));
    else if (best)
        words = (next.mode == PlayMode::Normal ? "Best" : mode + " best") + ": Level " +
                std::to_string(*best);
    else if (next.mode != PlayMode::Normal)
        words = mode;
    if (words.empty())
        return caption;
    sf::Text& line = caption.addLine(font, words, 22, Lettering::Pale);
    const float margin = 14.f;
    Lettering::anchor(line, sf::Vector2f(Field::Width - margin, Field::Height - margin),
                      sf::Vector2f(1.f, 1.f));
    const sf::FloatRect letters = line.getGlobalBounds();
    caption.mPlate.setPosition(letters.left - PlatePadding, letters.top - PlatePadding);
    caption.mPlate.setSize(
        sf::Vector2f(letters.width + 2.f * PlatePadding, letters.height + 2.f * PlatePadding));
    caption.mPlate.setFillColor(PlateFill);
    caption.mPlate.setOutlineColor(PlateRim);
    caption.mPlate.setOutlineThickness(1.f);
    return caption;
}

RecordCaption RecordCaption::forGameOver(const sf::Font& font, const BestLevel::Outcome& outcome,
                                         PlayMode mode)
{
    RecordCaption caption;
    // U+00B7, the middle dot, spelt out so that the source stays ASCII.
    const std::string dot = " \xC2\xB7 ";
    std::string summary =
        "Level " + std::to_string(outcome.reached) + dot + "Best " + std::to_string(outcome.best);
    if (mode != PlayMode::Normal)
        summary = PlayRules::nameOf(mode) + dot + summary;
    sf::Text& line = caption.addLine(font, sf::String::fromUtf8(summary.begin(), summary.end()), 40,
                                     GameOverInk);
    Lettering::anchor(line, sf::Vector2f(Field::Width / 2.f, GameOverBandTop + 27.f),
                      sf::Vector2f(0.5f, 0.5f));
    if (outcome.isNewBest)
    {
        sf::Text& cheer = caption.addLine(font, "New best!", 34, NewBestInk);
        Lettering::anchor(cheer, sf::Vector2f(Field::Width / 2.f, GameOverBandBottom - 24.f),
                          sf::Vector2f(0.5f, 0.5f));
    }
    return caption;
}

void RecordCaption::draw(sf::RenderTarget& target) const
{
    if (mPlate.getSize().x > 0.f)
        target.draw(mPlate, sf::RenderStates::Default);
    for (const sf::Text& line : mLines)
        target.draw(line, sf::RenderStates::Default);
}

sf::Text& RecordCaption::addLine(const sf::Font& font, const sf::String& text, unsigned int size,
                                 sf::Color colour)
{
    sf::Text line(text, font, size);
    line.setFillColor(colour);
    Lettering::outline(line);
    mLines.push_back(line);
    return mLines.back();
}
