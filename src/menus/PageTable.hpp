#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

// Rows of up to three columns that a menu page shows above its entries. Each column is
// as wide as its widest cell and the first starts where the entries' labels do; where
// the columns are too wide for the page together, the last two share what is left and
// their cells break into lines (a word wider than its column drawn smaller), so that
// no column runs into the next.
class PageTable
{
public:
    // The font must outlive the table.
    void set(std::vector<std::vector<std::string>> rows, const sf::Font& font);
    // Lays the rows out between left and right, from top down, at this size of words.
    void arrange(float left, float right, float top, unsigned int size);

    bool empty() const { return mRows.empty(); }
    // Down to where the entries may start: the rows and one line's room below them.
    float height() const { return mHeight; }
    void draw(sf::RenderTarget& target) const;

    // One for each line of a cell, where it is drawn, with the room its column has
    // across: from where it starts to halfway into the gap before the next.
    struct Cell
    {
        sf::Text text;
        float left;
        float right;
    };
    const std::vector<Cell>& cells() const { return mCells; }

private:
    std::vector<std::vector<std::string>> mRows;
    const sf::Font* mFont = nullptr;
    std::vector<Cell> mCells;
    float mHeight = 0.f;
};
