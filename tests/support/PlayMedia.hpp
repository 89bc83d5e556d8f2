#pragma once

#include "resources/ResourceCache.hpp"

// Fills a cache with the play screen's textures, sound buffers and font from
// the generated Media folder, whatever the working directory, so that actors
// and presentation nodes can be built outside a Game.
namespace PlayMedia
{
void loadInto(ResourceCache& cache);
}
