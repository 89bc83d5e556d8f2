#pragma once

#include "app/GameState.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

class Menu : public GameState
{
public:
    explicit Menu(sf::RenderWindow& window);
    ~Menu() override;

    void run() override;

private:
    sf::RenderWindow* mWindow;
};
