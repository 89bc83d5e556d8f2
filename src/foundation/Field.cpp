#include "foundation/Field.hpp"

#include <algorithm>
#include <cmath>

sf::View Field::letterbox(sf::Vector2u windowSize)
{
    sf::View view(sf::FloatRect(0.f, 0.f, static_cast<float>(Width), static_cast<float>(Height)));
    if (windowSize.x == 0 || windowSize.y == 0)
        return view;

    const float windowWidth = static_cast<float>(windowSize.x);
    const float windowHeight = static_cast<float>(windowSize.y);
    const float scale = std::min(windowWidth / Width, windowHeight / Height);
    const float shownWidth = std::min(std::round(Width * scale), windowWidth);
    const float shownHeight = std::min(std::round(Height * scale), windowHeight);
    const float left = std::floor((windowWidth - shownWidth) / 2.f);
    const float top = std::floor((windowHeight - shownHeight) / 2.f);
    view.setViewport(sf::FloatRect(left / windowWidth, top / windowHeight, shownWidth / windowWidth,
                                   shownHeight / windowHeight));
    return view;
}
