#pragma once

#include "Canvas.hpp"
#include "Mask.hpp"

#include <vector>

namespace media
{

// Shades, darkest first, that a part of a sprite is painted with.
using Ramp = std::vector<Color>;

// Paints a part as a bevelled plate lit from the upper left, quantised to the ramp's shades
// so the result stays crisp pixel art.
void paintBevelled(Canvas& canvas, const Mask& part, const Ramp& ramp, float bevel = 3.f);

// A dark line one pixel wide around everything drawn: sprites stay readable on any nebula.
void outline(Canvas& canvas, Color line);

// A soft halo of light around a shape (engine flames, neon, glowing eyes).
void glow(Canvas& canvas, const Mask& shape, Color c, int radius, float strength);

// Polygons given for the right half of a symmetric sprite, mirrored onto the left.
Mask symmetric(int width, int height, const std::vector<std::vector<Point>>& rightHalf);

} // namespace media
