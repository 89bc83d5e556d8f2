#pragma once

#include "app/GameState.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

class LoseScreen : public GameState
{
public:
    explicit LoseScreen(sf::RenderWindow& window);
    ~LoseScreen() override;

    void run() override;

private:
    sf::RenderWindow* mWindow;
};
