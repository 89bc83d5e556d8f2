#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

#include <optional>

// The title menu's buttons: where each answers the pointer, in the menu
// picture's own pixels (field units, as the picture fills the field), and
// their order for the keys. Play and Exit are part of the picture; Options is
// drawn over the plain gap between them.
namespace MenuButtons
{
// Which picture shows, and which button is lit.
enum Lit : int
{
    Exit = 0,
    None = 1,
    Play = 2,
    Options = 3,
};

// The button under a point; every border is outside.
std::optional<Lit> at(sf::Vector2i point);
// The button above (step -1) or below (+1) the lit one, without wrapping
// round; from none, Play.
Lit neighbour(int lit, int step);

void drawOptions(sf::RenderTarget& target, const sf::Font& font, bool lit);
// The Options button's area and its word, placed in it.
sf::FloatRect optionsArea();
sf::Text optionsLabel(const sf::Font& font, bool lit);
} // namespace MenuButtons
