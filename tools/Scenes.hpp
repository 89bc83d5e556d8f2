#pragma once

#include "Canvas.hpp"

#include <array>

namespace media
{

class Lettering;

// 800 x 800 star field and nebula; it repeats across every edge, so two copies stacked
// vertically scroll without a seam.
Canvas galaxyArt();

// The title screen three times over: no button lit, Play lit, Exit lit.
std::array<Canvas, 3> menuScreens(const Canvas& galaxy, const Lettering& letters);

Canvas loseScreen(const Canvas& galaxy, const Lettering& letters);

} // namespace media
