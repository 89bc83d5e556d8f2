#pragma once

#include "config/KeyBindings.hpp"
#include "session/Input.hpp"

#include <string>

// What the Keys page makes of what the player presses while it waits for a
// key for one action: a key binds the keyboard, a pad's button the pad's
// control for that action (fire or pause; a stick steers); Back (Escape, a
// pad's Back) takes the question back, and a key kept for the whole game (M,
// - and +, F11, Alt+Enter) is refused.
namespace KeyCapture
{
enum class Outcome
{
    Waiting, // nothing to bind: a release, a repeat, a click
    Bound,
    Cancelled,
    Kept,
    StickOnly,
};

Outcome bind(KeyBindings& keys, KeyBindings::Action action, const Input& input);

// As the page names it: "M", "ENTER", "BUTTON 5".
std::string nameOf(const Source& source);

// The page's question while it waits for a key for the action.
std::string question(KeyBindings::Action action);
// Why it asks again: the key is kept for the whole game (Kept), or a pad's
// stick already steers (StickOnly).
std::string refusal(Outcome outcome, const Source& source);
} // namespace KeyCapture
