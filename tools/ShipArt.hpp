#pragma once

#include "Canvas.hpp"

namespace media
{

// Ships at the size they appear on screen, one art pixel per screen pixel.
Canvas playerShipArt();    // 64 x 64, nose up
Canvas enemyArt(int kind); // 56 x 56, nose down; kinds 0, 1, 2 grow in toughness
Canvas bossArt();          // 128 x 94, nose down; the game draws it half as large again

} // namespace media
