#pragma once

#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

// The play field: 800 x 800 units, whatever the size of the window it is shown
// in. Every rule that measures the field asks here, never the window.
class Field
{
public:
    static constexpr unsigned int Width = 800;
    static constexpr unsigned int Height = 800;

    static sf::Vector2u size() { return sf::Vector2u(Width, Height); }

    // The view that shows the whole field in a window of this size: scaled
    // uniformly to the largest size that fits, centred, with the space left
    // over on two sides as bars. The field's edges fall on whole pixels.
    static sf::View letterbox(sf::Vector2u windowSize);
};
