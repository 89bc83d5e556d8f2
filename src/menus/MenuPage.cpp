#include "menus/MenuPage.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"
#include "presentation/TextSizes.hpp"
#include "sound/Effects.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{
constexpr float FieldWidth = static_cast<float>(Field::Width);
constexpr float FieldHeight = static_cast<float>(Field::Height);
// The lowest a panel may reach: every row keeps inside the field.
constexpr float LowestPanel = FieldHeight - 10.f;
constexpr float PanelBelowRows = 16.f;
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
    sf::Text text(Lettering::words(words), font, size);
    text.setFillColor(colour);
    Lettering::outline(text);
    const float width = text.getLocalBounds().left + text.getLocalBounds().width;
    text.setOrigin(std::round(width * across), std::round(static_cast<float>(size) * 0.6f));
    text.setPosition(at);
    return text;
}
} // namespace

MenuPage::MenuPage(std::string heading, std::vector<Entry> entries)
    : mHeading(std::move(heading)), mEntries(std::move(entries))
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

void MenuPage::setTable(std::vector<std::vector<std::string>> rows, const sf::Font& font)
{
    mTable.set(std::move(rows), font);
    arrangeTable();
}

void MenuPage::setTop(float y)
{
    if (mTop == y)
        return;
    mTop = y;
    arrangeTable();
}

void MenuPage::setLarge(bool large)
{
    if (large == mLarge)
        return;
    mLarge = large;
    arrangeTable();
}

// A table too long for the field (large text, long words breaking into more
// lines) is set smaller until the entries below it fit at their height.
void MenuPage::arrangeTable()
{
    const PageLayout at = layout();
    const float entries = at.rowHeight * (static_cast<float>(mEntries.size()) - 0.5f);
    const unsigned int smallest = at.tableSize * 2 / 3;
    for (unsigned int size = at.tableSize; size >= smallest; --size)
    {
        mTable.arrange(at.labelX, at.valueX, top(), size);
        if (top() + mTable.height() + entries <= LowestPanel - PanelBelowRows)
            break;
    }
    changed();
}

// A click on a value turns it: down on its left half, up on its right.
MenuPage::Outcome MenuPage::click(std::size_t entry, float x)
{
    light(entry);
    const PageLayout at = layout();
    if (!mEntries[entry].turn || x < at.valueX - 2.f * at.valueHalfWidth)
        return choose(entry);
    turn(x < at.valueX - at.valueHalfWidth ? -1 : 1);
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
    {
        changed();
        if (mHover)
            Effects::play(*mHover);
    }
    mLit = entry;
}

float MenuPage::top() const
{
    return mTop ? *mTop : layout().firstRowY;
}

// Rows close up where the page would otherwise run off the field.
float MenuPage::rowY(std::size_t entry) const
{
    const PageLayout at = layout();
    const float first = top() + mTable.height();
    const float rows = static_cast<float>(mEntries.size()) - 0.5f;
    const float fitting = (LowestPanel - PanelBelowRows - first) / std::max(rows, 1.f);
    return first + std::min(at.rowHeight, fitting) * static_cast<float>(entry);
}

sf::Vector2f MenuPage::labelAt(std::size_t entry) const
{
    return {layout().labelX, rowY(entry)};
}

std::optional<std::size_t> MenuPage::entryAt(sf::Vector2f point) const
{
    const PageLayout at = layout();
    if (point.x < at.panelLeft || point.x > at.panelRight)
        return std::nullopt;
    const float half = mEntries.size() > 1 ? (rowY(1) - rowY(0)) / 2.f : at.rowHeight / 2.f;
    for (std::size_t entry = 0; entry < mEntries.size(); ++entry)
        if (std::abs(point.y - rowY(entry)) < half)
            return entry;
    return std::nullopt;
}

void MenuPage::draw(sf::RenderTarget& target, const sf::Font& font, bool dim) const
{
    const PageLayout at = layout();
    if (dim)
    {
        sf::RectangleShape dimmer(sf::Vector2f(FieldWidth, FieldHeight));
        dimmer.setFillColor(sf::Color(0, 0, 0, 150));
        target.draw(dimmer, sf::RenderStates::Default);
        // A panel under the words, so that the picture behind never crosses them.
        const float panelTop = (mPrompt.empty() && mHeading.empty() ? top() : at.headingY) -
                               50.f * TextSizes::scale(mLarge);
        const float bottom = rowY(mEntries.size() - 1) + at.rowHeight / 2.f + PanelBelowRows;
        sf::RectangleShape panel(
            sf::Vector2f(at.panelRight - at.panelLeft, std::min(bottom, LowestPanel) - panelTop));
        panel.setPosition(at.panelLeft, panelTop);
        panel.setFillColor(Lettering::PlateFace);
        panel.setOutlineColor(Lettering::PlateRim);
        panel.setOutlineThickness(Lettering::PlateRimWidth);
        target.draw(panel, sf::RenderStates::Default);
    }
    for (const Line& line : lines(font))
        target.draw(line.text, sf::RenderStates::Default);
}

// The prompt comes translated; the heading and the labels are translated as
// they are drawn, so that a change of language shows at once.
std::vector<MenuPage::Line> MenuPage::lines(const sf::Font& font, bool everyEntryLit) const
{
    const PageLayout at = layout();
    std::vector<Line> made;
    const std::string heading = mPrompt.empty() ? tr(mHeading.c_str()) : mPrompt;
    if (!heading.empty())
    {
        const float left = at.panelLeft + HeadingMargin;
        const float right = at.panelRight - HeadingMargin;
        made.push_back({placed(font, heading, mPrompt.empty() ? at.headingSize : at.promptSize,
                               Lettering::Pale, sf::Vector2f(FieldWidth / 2.f, at.headingY), 0.5f),
                        left, right});
        // A long question in large words is drawn smaller rather than past the panel.
        Lettering::fit(made.back().text, right - left - 2.f * Edge);
    }
    for (const PageTable::Cell& cell : mTable.cells())
        made.push_back({cell.text, cell.left - Edge, cell.right});
    for (std::size_t entry = 0; entry < mEntries.size(); ++entry)
    {
        const Entry& each = mEntries[entry];
        const bool lit = everyEntryLit || entry == mLit;
        const sf::Color colour = lit ? Lit : Lettering::Pale;
        const sf::Vector2f label = labelAt(entry);
        float labelRight = at.panelRight - Margin;
        if (each.value)
        {
            const std::string value = each.value();
            made.push_back({placed(font, lit && each.turn ? "< " + value + " >" : value,
                                   at.entrySize, colour, sf::Vector2f(at.valueX, label.y), 1.f),
                            label.x - Edge, at.valueX + 1.f});
            labelRight = made.back().text.getGlobalBounds().left - Margin;
        }
        // The marker stands in the margin, so that every label starts on one line.
        if (lit)
            made.push_back(
                {placed(font, ">", at.entrySize, colour,
                        label - sf::Vector2f(0.6f * static_cast<float>(at.entrySize), 0.f), 1.f),
                 at.panelLeft + Margin, label.x});
        made.push_back({placed(font, tr(each.label.c_str()), at.entrySize, colour, label, 0.f),
                        label.x - Edge, labelRight});
    }
    return made;
}
