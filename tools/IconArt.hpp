#pragma once

#include "Canvas.hpp"

namespace media
{

// The game's icon, 64 x 64 art pixels: the player's ship over a rounded tile of the
// star field. The desktop icon and the window's icon are drawn from it.
Canvas iconArt(const Canvas& galaxy);

} // namespace media
