#include "menus/MenuPage.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{
constexpr float FieldWidth = static_cast<float>(Field::Width);
constexpr float FieldHeight = static_cast<float>(Field::Height);
constexpr float HeadingY = 150.f;
constexpr float FirstRowY = 240.f;
constexpr float RowHeight = 46.f;
// A long page's rows close up so that its last stays here, its panel on the field.
constexpr float LowestRowY = 746.f;
constexpr float TableRowHeight = 30.f;
constexpr float LabelX = 190.f;
// Room for a language's long names and labels beside their values.
constexpr float ValueX = 650.f;
// About half the room the values take, left of where they end.
constexpr float ValueHalfWidth = 80.f;
constexpr float TableColumns[] = {80.f, 280.f, 520.f};
constexpr float PanelLeft = 60.f;
constexpr float PanelRight = 740.f;
const sf::Color Lit(255, 206, 84);

constexpr float Margin = 10.f;
// The dark edge round the letters reaches this far past them.
constexpr float Edge = 3.f;
// A heading may take the panel's whole width but for its rim.
constexpr float HeadingMargin = 4.f;

// Words on one line of the page: placed across by their letters' extent, and
// down by the font's line, so that rows line up whatever their letters.
sf::Text placed(const sf::Font& font, const std::string& words, unsigned int size, sf::Color colour,
                sf::Vector2f at, float across)
{
    sf::Text text(sf::String::fromUtf8(words.begin(), words.end()), font, size);
    text.setFillColor(colour);
    Lettering::outline(text);
    const float width = text.getLocalBounds().left + text.getLocalBounds().width;
    text.setOrigin(std::round(width * across), std::round(static_cast<float>(size) * 0.6f));
    text.setPosition(at);
    return text;
}
} // namespace

MenuPage::MenuPage(std::string heading, std::vector<Entry> entries)
    : mHeading(std::move(heading)), mEntries(std::move(entries)), mTop(FirstRowY)
{
}

MenuPage::Outcome MenuPage::handle(const Input& input)
{
    switch (input.type)
    {
    case Input::Type::Press:
        switch (input.menu)
        {
        case MenuControl::Up:
            light(mLit == 0 ? 0 : mLit - 1);
            break;
        case MenuControl::Down:
            light(std::min(mLit + 1, mEntries.size() - 1));
            break;
        case MenuControl::Left:
            turn(-1);
            break;
        case MenuControl::Right:
            turn(1);
            break;
        // A held key chooses once.
        case MenuControl::Accept:
            if (!input.repeat)
                return choose(mLit);
            break;
        case MenuControl::Back:
            if (!input.repeat)
                return Outcome::Back;
            break;
        case MenuControl::None:
            break;
        }
        break;
    case Input::Type::Click:
        if (mPointer)
            if (const auto entry = entryAt(*mPointer))
                return click(*entry, mPointer->x);
        break;
    case Input::Type::Wheel:
        turn(input.step);
        break;
    default:
        break;
    }
    return Outcome::Stay;
}

// A pointer that rests where it was when the page opened lights nothing.
void MenuPage::point(sf::Vector2f pointer)
{
    const bool moved = mPointer && *mPointer != pointer;
    mPointer = pointer;
    if (!moved)
        return;
    if (const auto entry = entryAt(pointer))
        light(*entry);
}

void MenuPage::setPrompt(std::string prompt)
{
    mPrompt = std::move(prompt);
    changed();
}

void MenuPage::setTable(std::vector<std::vector<std::string>> rows)
{
    mTable = std::move(rows);
    changed();
}

// A click on a value turns it: down on its left half, up on its right.
MenuPage::Outcome MenuPage::click(std::size_t entry, float x)
{
    light(entry);
    if (!mEntries[entry].turn || x < ValueX - 2.f * ValueHalfWidth)
        return choose(entry);
    turn(x < ValueX - ValueHalfWidth ? -1 : 1);
    return Outcome::Stay;
}

MenuPage::Outcome MenuPage::choose(std::size_t entry)
{
    light(entry);
    changed();
    return mEntries[entry].choose ? mEntries[entry].choose() : Outcome::Stay;
}

void MenuPage::turn(int step)
{
    if (mEntries[mLit].turn)
    {
        mEntries[mLit].turn(step);
        changed();
    }
}

void MenuPage::light(std::size_t entry)
{
    if (entry != mLit)
        changed();
    mLit = entry;
}

float MenuPage::rowY(std::size_t entry) const
{
    const float belowTable = mTable.empty() ? 0.f : TableRowHeight * (mTable.size() + 1);
    return mTop + belowTable + rowHeight() * static_cast<float>(entry);
}

float MenuPage::rowHeight() const
{
    if (mEntries.size() < 2)
        return RowHeight;
    const float belowTable = mTable.empty() ? 0.f : TableRowHeight * (mTable.size() + 1);
    const float room = (LowestRowY - mTop - belowTable) / static_cast<float>(mEntries.size() - 1);
    return std::max(TableRowHeight, std::min(RowHeight, room));
}

std::optional<std::size_t> MenuPage::entryAt(sf::Vector2f point) const
{
    if (point.x < LabelX - 40.f || point.x > ValueX + 40.f)
        return std::nullopt;
    for (std::size_t entry = 0; entry < mEntries.size(); ++entry)
        if (std::abs(point.y - rowY(entry)) < rowHeight() / 2.f)
            return entry;
    return std::nullopt;
}

void MenuPage::draw(sf::RenderTarget& target, const sf::Font& font, bool dim) const
{
    if (dim)
    {
        sf::RectangleShape dimmer(sf::Vector2f(FieldWidth, FieldHeight));
        dimmer.setFillColor(sf::Color(0, 0, 0, 150));
        target.draw(dimmer, sf::RenderStates::Default);
        // A panel under the words, so that the picture behind never crosses them.
        const float top = (mPrompt.empty() && mHeading.empty() ? mTop : HeadingY) - 50.f;
        const float bottom = rowY(mEntries.size() - 1) + RowHeight / 2.f + 16.f;
        sf::RectangleShape panel(sf::Vector2f(PanelRight - PanelLeft, bottom - top));
        panel.setPosition(PanelLeft, top);
        panel.setFillColor(sf::Color(12, 8, 30, 245));
        panel.setOutlineColor(sf::Color(80, 230, 255, 170));
        panel.setOutlineThickness(2.f);
        target.draw(panel, sf::RenderStates::Default);
    }
    for (const Line& line : lines(font))
        target.draw(line.text, sf::RenderStates::Default);
}

// The prompt comes translated; the heading and the labels are translated as
// they are drawn, so that a change of language shows at once.
std::vector<MenuPage::Line> MenuPage::lines(const sf::Font& font, bool everyEntryLit) const
{
    std::vector<Line> made;
    const std::string heading = mPrompt.empty() ? tr(mHeading.c_str()) : mPrompt;
    if (!heading.empty())
        made.push_back({placed(font, heading, mPrompt.empty() ? HeadingSize : PromptSize,
                               Lettering::Pale, sf::Vector2f(FieldWidth / 2.f, HeadingY), 0.5f),
                        PanelLeft + HeadingMargin, PanelRight - HeadingMargin});
    for (std::size_t row = 0; row < mTable.size(); ++row)
        for (std::size_t column = 0; column < mTable[row].size() && column < 3; ++column)
            made.push_back(
                {placed(font, mTable[row][column], TableSize, Lettering::Pale,
                        sf::Vector2f(TableColumns[column], mTop + TableRowHeight * row), 0.f),
                 TableColumns[column] - Edge,
                 column < 2 ? TableColumns[column + 1] - Margin : PanelRight - Margin});
    for (std::size_t entry = 0; entry < mEntries.size(); ++entry)
    {
        const Entry& each = mEntries[entry];
        const bool lit = everyEntryLit || entry == mLit;
        const sf::Color colour = lit ? Lit : Lettering::Pale;
        const float y = rowY(entry);
        float labelRight = PanelRight - Margin;
        if (each.value)
        {
            const std::string value = each.value();
            made.push_back({placed(font, lit && each.turn ? "< " + value + " >" : value, TextSize,
                                   colour, sf::Vector2f(ValueX, y), 1.f),
                            LabelX - 30.f, ValueX + 1.f});
            labelRight = made.back().text.getGlobalBounds().left - Margin;
        }
        made.push_back({placed(font, (lit ? "> " : "  ") + std::string(tr(each.label.c_str())),
                               TextSize, colour, sf::Vector2f(LabelX - 30.f, y), 0.f),
                        LabelX - 30.f - Margin, labelRight});
    }
    return made;
}
