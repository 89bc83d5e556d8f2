#pragma once

#include "BusyPlayScreen.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

// One window and one busy play screen for every benchmark of the executable,
// made on first use (after the benchmark library has read its arguments).
inline sf::RenderWindow& benchWindow()
{
    static sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                                   sf::ContextSettings());
    return window;
}

inline BusyPlayScreen& busyPlayScreen()
{
    static BusyPlayScreen busy(benchWindow());
    return busy;
}
