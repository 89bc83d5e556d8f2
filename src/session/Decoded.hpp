#pragma once

#include "session/Input.hpp"

#include <optional>

// The keys every screen answers alike, which the event pump acts on itself.
enum class GlobalControl
{
    None,
    Mute,
    Quieter,
    Louder,
    Fullscreen,
};

// What one event of the window or one change on a pad stands for: an input
// for the screen, a control for the pump, or nothing.
struct Decoded
{
    std::optional<Input> input;
    GlobalControl global = GlobalControl::None;
    bool repeat = false;
};
