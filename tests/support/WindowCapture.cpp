#include "support/WindowCapture.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <algorithm>

sf::Image WindowCapture::grab(sf::RenderWindow& window)
{
    const sf::Vector2u size = window.getSize();
    sf::Texture texture;
    texture.create(size.x, size.y);
    texture.update(window);
    return texture.copyToImage();
}

bool WindowCapture::hasLitPixel(const sf::Image& image, sf::IntRect area)
{
    const sf::Vector2u size = image.getSize();
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.left + area.width, static_cast<int>(size.x));
    const int bottom = std::min(area.top + area.height, static_cast<int>(size.y));
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
        {
            const sf::Color pixel =
                image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
            if (pixel.r != 0 || pixel.g != 0 || pixel.b != 0)
                return true;
        }
    return false;
}
