#include "Random.hpp"

namespace media
{
namespace
{
std::uint64_t splitMix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}
} // namespace

Random::Random(std::uint64_t seed) : mState(seed) {}

std::uint64_t Random::next()
{
    mState += 0x9e3779b97f4a7c15ull;
    return splitMix(mState);
}

float Random::uniform()
{
    return static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24);
}

float Random::range(float low, float high)
{
    return low + (high - low) * uniform();
}

int Random::below(int bound)
{
    return static_cast<int>(next() % static_cast<std::uint64_t>(bound));
}

std::uint64_t Random::hash(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    return splitMix(splitMix(splitMix(a) ^ b) ^ c);
}

} // namespace media
