#pragma once

#include "Canvas.hpp"

#include <SFML/Graphics/Image.hpp>

namespace media
{

Canvas beamArt();        // 6 x 22 bolt of light, the same read upward and downward
Canvas enemyShotArt();   // 6 x 22, the beam's size: a chain of three diamonds
Canvas addShipArt();     // 40 x 40 badge: a ship and a plus
Canvas bulletSpeedArt(); // 36 x 36 badge: a volley of shots
Canvas boltArt();        // 36 x 36 badge: a lightning bolt

// The invisible line below the window that enemies must not reach.
sf::Image wallImage(); // 3840 x 64, one flat colour

} // namespace media
