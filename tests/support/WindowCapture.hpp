#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

// What has been drawn into a window since its last clear, read back before
// display() so the result does not depend on how buffers are swapped.
namespace WindowCapture
{
sf::Image grab(sf::RenderWindow& window);

// Whether any pixel inside the area (in window pixels, clipped to the image) is not black.
bool hasLitPixel(const sf::Image& image, sf::IntRect area);
} // namespace WindowCapture
