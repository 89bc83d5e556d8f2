#include "screens/Menu.hpp"

Menu::Menu(sf::RenderWindow& window) : mWindow(&window) {}

Menu::~Menu() = default;

void Menu::run() {}
