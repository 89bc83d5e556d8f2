#include "presentation/RecordCaption.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"
#include "presentation/TextSizes.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <string>

namespace
{
const sf::Color GameOverInk(255, 236, 220);
const sf::Color NewBestInk(255, 208, 90);
constexpr float PlatePadding = 7.f;
using TextSizes::Use;
} // namespace

RecordCaption RecordCaption::forMenu(const sf::Font& font, std::optional<int> best, bool large,
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
    sf::Text& line = caption.addLine(font, Lettering::words(words),
                                     TextSizes::of(Use::MenuBest, large), Lettering::Pale);
    const float margin = 14.f;
    Lettering::anchor(line, sf::Vector2f(Field::Width - margin, Field::Height - margin),
                      sf::Vector2f(1.f, 1.f));
    caption.mPlate = Lettering::plate(line.getGlobalBounds(), PlatePadding);
    return caption;
}

// Large, the lines stand a little further apart in the band.
RecordCaption RecordCaption::forGameOver(const sf::Font& font, const BestLevel::Outcome& outcome,
                                         bool large, PlayMode mode)
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
    sf::Text& line = caption.addLine(font, Lettering::words(summary),
                                     TextSizes::of(Use::GameOverSummary, large), GameOverInk);
    // Its plate, rim and all, clear of the field's edges; the anchor may round by a unit.
    Lettering::fit(line, Field::Width - 4.f * PlatePadding - 2.f);
    Lettering::anchor(line,
                      sf::Vector2f(Field::Width / 2.f, GameOverBandTop + (large ? 22.f : 27.f)),
                      sf::Vector2f(0.5f, 0.5f));
    if (outcome.isNewBest)
    {
        sf::Text& cheer = caption.addLine(font, Lettering::words(tr("New best!")),
                                          TextSizes::of(Use::NewBest, large), NewBestInk);
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
