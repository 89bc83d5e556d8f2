#include "presentation/Lettering.hpp"

#include <cctype>
#include <cmath>

const sf::Color Lettering::Pale(200, 235, 255);

void Lettering::anchor(sf::Text& text, sf::Vector2f position, sf::Vector2f point)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(std::round(bounds.left + bounds.width * point.x),
                   std::round(bounds.top + bounds.height * point.y));
    text.setPosition(position);
}

std::string Lettering::capitals(std::string words)
{
    for (char& c : words)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return words;
}

sf::String Lettering::words(const std::string& utf8)
{
    return sf::String::fromUtf8(utf8.begin(), utf8.end());
}

void Lettering::outline(sf::Text& text)
{
    text.setOutlineColor(sf::Color(10, 6, 24, 220));
    text.setOutlineThickness(2.f);
}
