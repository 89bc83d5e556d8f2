#pragma once

#include <cstdint>

namespace media
{

// A small generator of our own: the standard distributions may differ between library
// versions, and the media must come out byte for byte the same on every build.
class Random
{
public:
    explicit Random(std::uint64_t seed);

    std::uint64_t next();
    float uniform();                    // in [0, 1)
    float range(float low, float high); // in [low, high)
    int below(int bound);               // in [0, bound)

    // A stateless hash for lattice noise and per-event seeds.
    static std::uint64_t hash(std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0);

private:
    std::uint64_t mState;
};

} // namespace media
