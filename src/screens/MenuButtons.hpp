#pragma once

#include <SFML/System/Vector2.hpp>

#include <optional>

// The title menu's buttons: where each answers the pointer, in the menu
// picture's own pixels (field units, as the picture fills the field), and
// their order for the keys. All three are part of the pictures, Options in
// the gap the design leaves between Play and Exit; Options lit is a picture of
// its own, drawn over its button.
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

// Where the picture of Options lit goes: its area's top-left corner.
sf::Vector2f optionsCorner();
} // namespace MenuButtons
