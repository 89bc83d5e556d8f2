#include "presentation/Lettering.hpp"

#include <SFML/Graphics/Font.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>

const sf::Color Lettering::Pale(200, 235, 255);
const sf::Color Lettering::PlateFace(12, 8, 30, 235);
const sf::Color Lettering::PlateRim(80, 230, 255, 170);

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

void Lettering::fit(sf::Text& text, float width)
{
    const float wide = text.getLocalBounds().width;
    const float scale = wide > width ? width / wide : 1.f;
    text.setScale(scale, scale);
}

sf::RectangleShape Lettering::plate(const sf::FloatRect& letters, float padding)
{
    sf::RectangleShape plate(
        sf::Vector2f(letters.width + 2.f * padding, letters.height + 2.f * padding));
    plate.setPosition(letters.left - padding, letters.top - padding);
    plate.setFillColor(PlateFace);
    plate.setOutlineColor(PlateRim);
    plate.setOutlineThickness(PlateRimWidth);
    return plate;
}

std::vector<sf::String> Lettering::lines(const sf::Text& text, float width)
{
    sf::Text measure = text;
    const auto widthOf = [&](const sf::String& words)
    {
        measure.setString(words);
        return measure.getLocalBounds().width;
    };
    std::vector<sf::String> shown;
    sf::String line;
    const sf::String all = text.getString();
    std::size_t start = 0;
    while (start <= all.getSize())
    {
        std::size_t end = all.find(" ", start);
        if (end == sf::String::InvalidPos)
            end = all.getSize();
        const sf::String word = all.substring(start, end - start);
        const sf::String longer = line.isEmpty() ? word : line + " " + word;
        if (!line.isEmpty() && widthOf(longer) > width)
        {
            shown.push_back(line);
            line = word;
        }
        else
            line = longer;
        start = end + 1;
    }
    shown.push_back(line);
    return shown;
}

// As many lines as the width needs, as even as they come: the narrowest width that
// still needs no more of them. Centred by leading spaces, as sf::Text sets every line
// from the left.
void Lettering::wrap(sf::Text& text, float width)
{
    std::vector<sf::String> broken = lines(text, width);
    if (broken.size() < 2 || !text.getFont())
        return;
    const float step = static_cast<float>(text.getCharacterSize()) / 4.f;
    for (float narrower = width - step; narrower > 0.f; narrower -= step)
    {
        std::vector<sf::String> tried = lines(text, narrower);
        if (tried.size() > broken.size())
            break;
        broken = std::move(tried);
    }
    sf::Text measure = text;
    std::vector<float> widths;
    for (const sf::String& line : broken)
    {
        measure.setString(line);
        widths.push_back(measure.getLocalBounds().width);
    }
    const float widest = *std::max_element(widths.begin(), widths.end());
    const float space = text.getFont()->getGlyph(' ', text.getCharacterSize(), false).advance *
                        text.getLetterSpacing();
    sf::String joined;
    for (std::size_t i = 0; i < broken.size(); ++i)
    {
        const auto pad =
            space > 0.f ? static_cast<std::size_t>(std::lround((widest - widths[i]) / 2.f / space))
                        : 0;
        joined += (i == 0 ? "" : "\n") + std::string(pad, ' ') + broken[i];
    }
    text.setString(joined);
}
