#pragma once

#include <SFML/Window/Keyboard.hpp>

#include <optional>
#include <string>
#include <vector>

// Keys by the names sf::Keyboard::Key gives them ("A", "Num0", "Left",
// "Space", "LShift", "Enter" ...), as the settings file spells them.
namespace KeyNames
{
// Empty for Unknown and anything beyond the keyboard.
std::string nameOf(sf::Keyboard::Key key);
std::optional<sf::Keyboard::Key> keyNamed(const std::string& name);
// "Up, Space"; empty for no keys.
std::string listOf(const std::vector<sf::Keyboard::Key>& keys);
} // namespace KeyNames
