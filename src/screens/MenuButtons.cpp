#include "screens/MenuButtons.hpp"

#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Text.hpp>

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
    {MenuButtons::Options, {330, 470, 582, 622}},
    {MenuButtons::Exit, {317, 480, 625, 693}},
};
constexpr Area OptionsArea = Buttons[1].area;

const sf::Color LitInk(255, 206, 84);
// The picture's own buttons' light.
const sf::Color Cyan(80, 230, 255);
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
    sf::Text label(Lettering::words(tr("OPTIONS")), font, 24);
    label.setFillColor(lit ? LitInk : Cyan);
    Lettering::anchor(label,
                      sf::Vector2f(static_cast<float>(area.left + area.right) / 2.f,
                                   static_cast<float>(area.top + area.bottom) / 2.f),
                      sf::Vector2f(0.5f, 0.5f));
    return label;
}

void MenuButtons::drawOptions(sf::RenderTarget& target, const sf::Font& font, bool lit)
{
    const Area& area = OptionsArea;
    sf::RectangleShape backing(sf::Vector2f(static_cast<float>(area.right - area.left - 2),
                                            static_cast<float>(area.bottom - area.top - 6)));
    backing.setPosition(static_cast<float>(area.left + 1), static_cast<float>(area.top + 3));
    backing.setFillColor(sf::Color(20, 8, 40, lit ? 235 : 210));
    backing.setOutlineColor(lit ? LitInk : Cyan);
    backing.setOutlineThickness(2.f);
    target.draw(backing, sf::RenderStates::Default);

    target.draw(optionsLabel(font, lit), sf::RenderStates::Default);
}
