#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

// The words that tell a new player what the pictures do not: the rule that
// ends a game without a shot (shown with the first level's banner), and how
// to leave the game-over screen early.
namespace RuleHints
{
// Large, it takes two lines.
sf::Text firstLevelRule(const sf::Font& font, bool large);
// In the words of the pad when the player used one last.
sf::Text gameOverKeys(const sf::Font& font, bool pad, bool large);
} // namespace RuleHints
