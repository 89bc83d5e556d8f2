#pragma once

#include "config/BestLevel.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

#include <optional>
#include <vector>

// The best level as the title menu and the game-over screen show it, over
// their pictures, in the score board's font.
class RecordCaption
{
public:
    // "Best: Level 7", small in the menu's bottom-right corner; nothing before a record exists.
    static RecordCaption forMenu(const sf::Font& font, std::optional<int> best);
    // "Level 4 · Best 7" under the game-over lettering, and "New best!" when it was just beaten.
    static RecordCaption forGameOver(const sf::Font& font, const BestLevel::Outcome& outcome);

    void draw(sf::RenderTarget& target) const;

    const std::vector<sf::Text>& lines() const { return mLines; }

private:
    sf::Text& addLine(const sf::Font& font, const sf::String& text, unsigned int size,
                      sf::Color colour);

    std::vector<sf::Text> mLines;
};
