#pragma once

#include "config/BestLevel.hpp"
#include "foundation/PlayRules.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

#include <optional>
#include <vector>

// The best level as the title menu and the game-over screen show it, over
// their pictures, in the score board's font.
class RecordCaption
{
public:
    // The band across the game-over picture, below its ring, where the lines stand; the
    // picture keeps it calm.
    static constexpr float GameOverBandTop = 676.f;
    static constexpr float GameOverBandBottom = 776.f;

    // "Best: Level 7", small in the menu's bottom-right corner, on a dark plate that keeps it
    // legible over the bright grid at any window size; nothing before a record exists.
    // With another mode chosen, its own: "Relaxed best: Level 4" ("Relaxed" before a
    // record), or where practice starts, "Practice from Level 3".
    static RecordCaption forMenu(const sf::Font& font, std::optional<int> best,
                                 const PlayRules& next = PlayRules());
    // "Level 4 · Best 7" below the game-over ring, and "New best!" when it was just beaten;
    // a mode other than Normal leads the line ("Relaxed · Level 4 · Best 7").
    static RecordCaption forGameOver(const sf::Font& font, const BestLevel::Outcome& outcome,
                                     PlayMode mode = PlayMode::Normal);

    void draw(sf::RenderTarget& target) const;

    const std::vector<sf::Text>& lines() const { return mLines; }
    const sf::RectangleShape& plate() const { return mPlate; }

private:
    sf::Text& addLine(const sf::Font& font, const sf::String& text, unsigned int size,
                      sf::Color colour);

    std::vector<sf::Text> mLines;
    sf::RectangleShape mPlate; // none while it has no size
};
