#include "config/KeyNames.hpp"

#include <array>

namespace
{
// In the order of sf::Keyboard::Key, from A (0) to Pause.
const std::array<const char*, sf::Keyboard::KeyCount> Names = {
    "A",       "B",       "C",        "D",         "E",         "F",        "G",
    "H",       "I",       "J",        "K",         "L",         "M",        "N",
    "O",       "P",       "Q",        "R",         "S",         "T",        "U",
    "V",       "W",       "X",        "Y",         "Z",         "Num0",     "Num1",
    "Num2",    "Num3",    "Num4",     "Num5",      "Num6",      "Num7",     "Num8",
    "Num9",    "Escape",  "LControl", "LShift",    "LAlt",      "LSystem",  "RControl",
    "RShift",  "RAlt",    "RSystem",  "Menu",      "LBracket",  "RBracket", "Semicolon",
    "Comma",   "Period",  "Quote",    "Slash",     "Backslash", "Tilde",    "Equal",
    "Hyphen",  "Space",   "Enter",    "Backspace", "Tab",       "PageUp",   "PageDown",
    "End",     "Home",    "Insert",   "Delete",    "Add",       "Subtract", "Multiply",
    "Divide",  "Left",    "Right",    "Up",        "Down",      "Numpad0",  "Numpad1",
    "Numpad2", "Numpad3", "Numpad4",  "Numpad5",   "Numpad6",   "Numpad7",  "Numpad8",
    "Numpad9", "F1",      "F2",       "F3",        "F4",        "F5",       "F6",
    "F7",      "F8",      "F9",       "F10",       "F11",       "F12",      "F13",
    "F14",     "F15",     "Pause",
};
} // namespace

std::string KeyNames::nameOf(sf::Keyboard::Key key)
{
    if (key < 0 || key >= sf::Keyboard::KeyCount)
        return {};
    return Names[static_cast<std::size_t>(key)];
}

std::string KeyNames::listOf(const std::vector<sf::Keyboard::Key>& keys)
{
    std::string list;
    for (sf::Keyboard::Key key : keys)
        list += (list.empty() ? "" : ", ") + nameOf(key);
    return list;
}

std::optional<sf::Keyboard::Key> KeyNames::keyNamed(const std::string& name)
{
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (name == Names[i])
            return static_cast<sf::Keyboard::Key>(i);
    return std::nullopt;
}
