#include "menus/ControlsTable.hpp"

#include <gtest/gtest.h>

// Each action's row lists its own keys and pad buttons as the player has them.
TEST(ControlsPage, ListsEachActionsOwnKeysAndButtons)
{
    using Action = KeyBindings::Action;
    KeyBindings chosen;
    chosen.bind(Action::Fire, sf::Keyboard::Z);
    chosen.bind(Action::Left, sf::Keyboard::A);
    chosen.setPadButtons(Action::Pause, {9});
    const auto rows = ControlsTable::rows(chosen);
    const std::vector<std::vector<std::string>> expected = {
        {"Left", "A", "stick or D-pad"},
        {"Right", "Right", "stick or D-pad"},
        {"Fire", "Z", "A, B, X, Y"},
        {"Pause", "P, Pause, Escape", "button 9"},
    };
    for (const auto& row : expected)
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row[0];
}
