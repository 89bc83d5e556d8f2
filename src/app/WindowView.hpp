#pragma once

#include <SFML/Graphics/RenderWindow.hpp>

namespace WindowView
{
// Keeps window coordinates equal to pixels after a resize. SFML's default view
// would stretch the first 800 x 800 area over the new size, while every rule of
// the game reads the window's current pixel size.
void followSize(sf::RenderWindow& window, unsigned int width, unsigned int height);
} // namespace WindowView
