#pragma once

#include <SFML/Graphics/Color.hpp>

#include <filesystem>

// Media of the test's own for the menu and the game-over screen: each image a
// plain colour, so a test can tell from the window's pixels which one is shown,
// and sounds long enough to be still playing when a test looks.
namespace ScreenTestMedia
{
const sf::Color Neutral(30, 40, 140);
const sf::Color PlayLit(40, 170, 60);
const sf::Color ExitLit(190, 40, 40);
const sf::Color OptionsLit(220, 130, 230); // the lit button alone, drawn over its area
const sf::Color GameOver(200, 200, 40);
// The game-over tones differ in length, so a test can tell which one a sound plays.
constexpr float LoseSeconds = 5.f;
constexpr float SecondLoseSeconds = 6.f;

// A folder holding Media/ with those files, written once per test process.
std::filesystem::path folder();
} // namespace ScreenTestMedia
