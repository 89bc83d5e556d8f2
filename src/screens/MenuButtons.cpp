#include "screens/MenuButtons.hpp"

#include <algorithm>
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
