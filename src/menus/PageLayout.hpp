#pragma once

// Where everything on a page of the menus beyond the title stands, in field units, for
// the size of its words: large text spreads the page wider and starts it higher.
struct PageLayout
{
    unsigned int headingSize, promptSize, entrySize, tableSize;
    float headingY, firstRowY, rowHeight;
    float panelLeft, panelRight;
    float labelX;         // where the labels' letters start, and the table's first column
    float valueX;         // where the values end
    float valueHalfWidth; // about half the room the values take, left of where they end

    static PageLayout of(bool large);
};
