#pragma once

#include "Canvas.hpp"

#include <array>

namespace media
{

class Lettering;

// 800 x 800 star field and nebula; it repeats across every edge, so two copies stacked
// vertically scroll without a seam.
Canvas galaxyArt();

// Rows of sky the play field's picture carries beyond the galaxy's own 800, above and
// below it alike. The field drops a tile's overshoot when it wraps, so its two copies
// stand up to a frame's step closer or further apart than the galaxy is high; these rows,
// hung above and below each copy, show the same sky there. 80 rows cover any frame up to
// half a second at the field's 150 units a second.
constexpr int GalaxyMarginRows = 80;

// The galaxy with GalaxyMarginRows more rows of it above and below: the picture repeats
// every 800 rows.
Canvas scrollingGalaxy(const Canvas& galaxy);

// The title screen three times over: no button lit, Play lit, Exit lit. Options, between
// Play and Exit, is in all three unlit.
std::array<Canvas, 3> menuScreens(const Canvas& galaxy, const Lettering& letters);
// Options lit, alone on transparency: the menu draws it over its button's area.
Canvas litOptionsButton(const Lettering& letters);

Canvas loseScreen(const Canvas& galaxy, const Lettering& letters);

} // namespace media
