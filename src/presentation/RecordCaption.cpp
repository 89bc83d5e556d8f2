#include "presentation/RecordCaption.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
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
    std::string words;
    if (next.mode == PlayMode::Practice)
        words = fill(tr("Practice from Level %s"), {std::to_string(next.startLevel.value_or(1))});
    else if (best)
        words = fill(next.mode == PlayMode::Normal ? tr("Best: Level %s")
                                                   : tr("Relaxed best: Level %s"),
                     {std::to_string(*best)});
    else if (next.mode == PlayMode::Relaxed)
        words = tr("Relaxed");
    if (words.empty())
        return caption;
    sf::Text& line = caption.addLine(font, Lettering::words(words), 22, Lettering::Pale);
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
    // TRANSLATORS: the level the game reached, then the best level; U+00B7,
    // the middle dot, parts them.
    const char* sentence = mode == PlayMode::Relaxed ? tr("Relaxed \u00B7 Level %s \u00B7 Best %s")
                           : mode == PlayMode::Practice
                               ? tr("Practice \u00B7 Level %s \u00B7 Best %s")
                               : tr("Level %s \u00B7 Best %s");
    const std::string summary =
        fill(sentence, {std::to_string(outcome.reached), std::to_string(outcome.best)});
    sf::Text& line = caption.addLine(font, Lettering::words(summary), 40, GameOverInk);
    Lettering::anchor(line, sf::Vector2f(Field::Width / 2.f, GameOverBandTop + 27.f),
                      sf::Vector2f(0.5f, 0.5f));
    if (outcome.isNewBest)
    {
        sf::Text& cheer = caption.addLine(font, Lettering::words(tr("New best!")), 34, NewBestInk);
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
