#include "support/TestWindow.hpp"

sf::RenderWindow& TestWindow::shared()
{
    static sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
    return window;
}

TestSession& TestWindow::sharedSession()
{
    static TestSession session(shared());
    return session;
}
