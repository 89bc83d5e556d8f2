#pragma once

#include "session/Input.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One page of the menus beyond the title: a heading and a column of entries
// over the dimmed field, one of them lit. Up and Down light the entry above or
// below (neither wraps round, so a held key settles on the first or the
// last), Accept chooses the lit one, Left and Right turn its value, Back goes
// back; the pointer lights the entry it is over, a click chooses it (or turns
// its value, down on the value's left half, up on its right) and the wheel
// turns it.
class MenuPage
{
public:
    enum class Outcome
    {
        Stay,
        Back,
    };

    struct Entry
    {
        std::string label;
        // The value shown beside the label, read at every drawing; none for a plain choice.
        std::function<std::string()> value;
        std::function<Outcome()> choose;
        // By one step, -1 or +1; none for an entry without a value to turn.
        std::function<void(int step)> turn;
    };

    MenuPage(std::string heading, std::vector<Entry> entries);

    Outcome handle(const Input& input);
    // Where the pointer is, in field units: it lights the entry under it when it has moved.
    void point(sf::Vector2f pointer);

    // The heading stands in for a while, e.g. to ask for a key.
    void setPrompt(std::string prompt);
    // Rows of up to three columns between the heading and the entries.
    void setTable(std::vector<std::vector<std::string>> rows);
    // Where the first entry stands, in field units, for a page drawn under
    // words of its own.
    void setTop(float y) { mTop = y; }

    // Over the field dimmed, unless what is under the page is dimmed already.
    void draw(sf::RenderTarget& target, const sf::Font& font, bool dim = true) const;

    // What the page writes, each line with the room it has across, in field
    // units; every entry lit, as it is at its widest, for the tests that hold
    // each language to the rows.
    struct Line
    {
        sf::Text text;
        float left;
        float right;
    };
    std::vector<Line> lines(const sf::Font& font, bool everyEntryLit = false) const;

    std::size_t lit() const { return mLit; }
    // Counts the changes to what the page shows, for a still screen.
    int revision() const { return mRevision; }
    void changed() { ++mRevision; }

    static constexpr unsigned int HeadingSize = 40;
    // A question in the heading's place is a sentence, with a key's name in it.
    static constexpr unsigned int PromptSize = 34;
    static constexpr unsigned int TextSize = 28;
    static constexpr unsigned int TableSize = 20;

private:
    Outcome choose(std::size_t entry);
    Outcome click(std::size_t entry, float x);
    void turn(int step);
    void light(std::size_t entry);
    std::optional<std::size_t> entryAt(sf::Vector2f point) const;
    float rowY(std::size_t entry) const;
    float rowHeight() const;

    std::string mHeading;
    std::string mPrompt;
    std::vector<Entry> mEntries;
    std::vector<std::vector<std::string>> mTable;
    float mTop;
    std::size_t mLit = 0;
    std::optional<sf::Vector2f> mPointer;
    int mRevision = 0;
};
