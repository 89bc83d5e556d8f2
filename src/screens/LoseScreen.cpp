#include "screens/LoseScreen.hpp"

LoseScreen::LoseScreen(sf::RenderWindow& window) : mWindow(&window) {}

LoseScreen::~LoseScreen() = default;

void LoseScreen::run() {}
