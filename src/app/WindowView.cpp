#include "app/WindowView.hpp"

#include <SFML/Graphics/View.hpp>

void WindowView::followSize(sf::RenderWindow& window, unsigned int width, unsigned int height)
{
    window.setView(
        sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(width), static_cast<float>(height))));
}
