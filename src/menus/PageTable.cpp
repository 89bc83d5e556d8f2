#include "menus/PageTable.hpp"

#include "presentation/Lettering.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace
{
constexpr std::size_t Columns = 3;
} // namespace

void PageTable::set(std::vector<std::vector<std::string>> rows, const sf::Font& font)
{
    mRows = std::move(rows);
    mFont = &font;
}

void PageTable::arrange(float left, float right, float top, unsigned int size)
{
    mCells.clear();
    mHeight = 0.f;
    if (mRows.empty() || !mFont)
        return;
    const auto text = [&](const std::string& words)
    {
        sf::Text made(Lettering::words(words), *mFont, size);
        made.setFillColor(Lettering::Pale);
        Lettering::outline(made);
        return made;
    };
    // Each column's widest cell, and its widest word, which no line break can narrow.
    std::array<float, Columns> widths{};
    std::array<float, Columns> words{};
    for (const auto& row : mRows)
        for (std::size_t column = 0; column < row.size() && column < Columns; ++column)
        {
            sf::Text cell = text(row[column]);
            widths[column] = std::max(widths[column], cell.getLocalBounds().width);
            for (const sf::String& word : Lettering::lines(cell, 0.f))
            {
                cell.setString(word);
                words[column] = std::max(words[column], cell.getLocalBounds().width);
            }
        }

    const float gap = static_cast<float>(size) * 1.2f;
    const float room = right - left - widths[0] - 2.f * gap;
    const float wanted = widths[1] + widths[2];
    // The last two keep their widest words where they can and share the rest by what
    // they would break; where even the words are too wide, their lines are drawn smaller.
    const float spare = room - words[1] - words[2];
    const float breakable = wanted - words[1] - words[2];
    if (wanted > room && wanted > 0.f)
        for (std::size_t column = 1; column < Columns; ++column)
            widths[column] =
                spare > 0.f ? words[column] +
                                  std::floor(spare * (widths[column] - words[column]) / breakable)
                            : std::floor(room * words[column] / (words[1] + words[2]));
    const float lineHeight = static_cast<float>(size) + 10.f;
    float y = top;
    for (const auto& row : mRows)
    {
        float x = left;
        std::size_t tallest = 1;
        for (std::size_t column = 0; column < row.size() && column < Columns; ++column)
        {
            sf::Text cell = text(row[column]);
            const std::vector<sf::String> lines = Lettering::lines(cell, widths[column]);
            for (std::size_t line = 0; line < lines.size(); ++line)
            {
                cell.setString(lines[line]);
                Lettering::fit(cell, widths[column]);
                // Placed by the font's line, so that the columns line up whatever their letters.
                cell.setOrigin(0.f, std::round(static_cast<float>(size) * 0.6f));
                cell.setPosition(x, y + lineHeight * static_cast<float>(line));
                mCells.push_back({cell, x, x + widths[column] + gap / 2.f});
            }
            tallest = std::max(tallest, lines.size());
            x += widths[column] + gap;
        }
        y += lineHeight * static_cast<float>(tallest);
    }
    mHeight = y - top + lineHeight;
}

void PageTable::draw(sf::RenderTarget& target) const
{
    for (const Cell& cell : mCells)
        target.draw(cell.text, sf::RenderStates::Default);
}
