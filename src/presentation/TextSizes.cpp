#include "presentation/TextSizes.hpp"

#include <cmath>

namespace
{
// By Use, in its order.
constexpr unsigned int Sizes[] = {
    20, // the level label, as the score board has it
    18, // a badge's count of steps
    18, // "BOSS" beside its bar
    18, // the game's speed
    22, // the best level in the title menu's corner
    40, // the game-over line
    34, // "New best!"
    26, // the first level's rule
    20, // the game-over keys
    24, // the sound's notice
    80, // "PAUSED"
    24, // how to go on
    40, // a menu page's heading
    34, // a question in the heading's place: a sentence, with a key's name in it
    28, // a menu page's entries
    20, // a menu page's table
};
static_assert(sizeof(Sizes) / sizeof(Sizes[0]) == static_cast<int>(TextSizes::Use::Count));
} // namespace

unsigned int TextSizes::of(Use use, bool large)
{
    const unsigned int size = Sizes[static_cast<int>(use)];
    return large ? static_cast<unsigned int>(std::lround(static_cast<float>(size) * LargeScale))
                 : size;
}

float TextSizes::scale(bool large)
{
    return large ? LargeScale : 1.f;
}
