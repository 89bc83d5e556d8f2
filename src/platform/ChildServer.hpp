#pragma once

#include "platform/BoundedChild.hpp"

#include <string>

// Makes the bounded children of one task from a process of its own, started
// while the game is still small and has one thread: a child copied from it
// costs a fraction of a copy of the whole game, and inherits no lock that
// another thread (the sound's, the graphics driver's) held at that moment.
// The server ends with the game. Without one (not started, gone, or asked by
// a copy of the game made since), the caller makes the child itself.
namespace ChildServer
{
// What a child runs on a request: a plain function, since the server holds
// none of what the game makes after it starts.
using Task = bool (*)(const std::string& request);

void start(Task task);

BoundedChild::Outcome run(Task task, const std::string& request,
                          const BoundedChild::Limits& limits);
} // namespace ChildServer
