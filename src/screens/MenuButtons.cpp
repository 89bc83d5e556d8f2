#include "screens/MenuButtons.hpp"

#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{
struct Area
{
    int left, right, top, bottom;

    bool contains(sf::Vector2i point) const
    {
        return point.x > left && point.x < right && point.y > top && point.y < bottom;
    }
};

struct Button
{
    MenuButtons::Lit lit;
    Area area;
};

// From top to bottom, as Up and Down go through them.
constexpr Button Buttons[] = {
    {MenuButtons::Play, {296, 509, 516, 579}},
    {MenuButtons::Options, {322, 475, 582, 622}},
    {MenuButtons::Exit, {317, 480, 625, 693}},
};
constexpr Area OptionsArea = Buttons[1].area;

// The word the pictures have.
constexpr const char* PictureWord = "OPTIONS";
// The pictures' buttons: dark with a cyan rim and ink, lit magenta with white ink.
const sf::Color Face(12, 7, 34);
const sf::Color LitFace(160, 30, 130);
const sf::Color Cyan(80, 230, 255);
const sf::Color LitRim(255, 240, 250);
} // namespace

std::optional<MenuButtons::Lit> MenuButtons::at(sf::Vector2i point)
{
    for (const Button& button : Buttons)
        if (button.area.contains(point))
            return button.lit;
    return std::nullopt;
}

MenuButtons::Lit MenuButtons::neighbour(int lit, int step)
{
    const int count = static_cast<int>(std::size(Buttons));
    for (int i = 0; i < count; ++i)
        if (Buttons[i].lit == lit)
            return Buttons[std::clamp(i + step, 0, count - 1)].lit;
    return Play;
}

sf::Vector2f MenuButtons::optionsCorner()
{
    return {static_cast<float>(OptionsArea.left), static_cast<float>(OptionsArea.top)};
}

bool MenuButtons::isOptionsInPicture()
{
    return std::strcmp(tr(PictureWord), PictureWord) == 0;
}

sf::FloatRect MenuButtons::optionsArea()
{
    const Area& area = OptionsArea;
    return sf::FloatRect(static_cast<float>(area.left), static_cast<float>(area.top),
                         static_cast<float>(area.right - area.left),
                         static_cast<float>(area.bottom - area.top));
}

sf::Text MenuButtons::optionsLabel(const sf::Font& font, bool lit)
{
    const Area& area = OptionsArea;
    sf::Text label(Lettering::words(tr(PictureWord)), font, 24);
    label.setFillColor(lit ? sf::Color::White : Cyan);
    Lettering::anchor(label,
                      sf::Vector2f(static_cast<float>(area.left + area.right) / 2.f,
                                   static_cast<float>(area.top + area.bottom) / 2.f),
                      sf::Vector2f(0.5f, 0.5f));
    return label;
}

// The plate covers the picture's button whole, its rim inside the area.
void MenuButtons::drawOptions(sf::RenderTarget& target, const sf::Font& font, bool lit)
{
    const sf::FloatRect area = optionsArea();
    sf::RectangleShape plate(sf::Vector2f(area.width - 1.f, area.height - 1.f));
    plate.setPosition(area.left + 1.f, area.top + 1.f);
    plate.setFillColor(lit ? LitFace : Face);
    plate.setOutlineColor(lit ? LitRim : Cyan);
    plate.setOutlineThickness(-Lettering::PlateRimWidth);
    target.draw(plate, sf::RenderStates::Default);
    target.draw(optionsLabel(font, lit), sf::RenderStates::Default);
}
