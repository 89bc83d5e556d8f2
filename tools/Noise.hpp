#pragma once

#include <cstdint>
#include <vector>

namespace media
{

// Gradient noise that repeats over the unit square, so a picture built from it tiles.
class PeriodicNoise
{
public:
    PeriodicNoise(std::uint64_t seed, int cellsX, int cellsY);

    // u and v in [0, 1) across one period; result roughly in [-1, 1]. Octaves above 7 are
    // not kept.
    float sample(float u, float v, int octave = 0) const;

    // Sum of octaves, each twice as fine and `gain` times as strong as the last.
    float fractal(float u, float v, int octaves, float gain = 0.5f) const;

private:
    float gradient(int ix, int iy, int octave, float dx, float dy) const;

    static constexpr int MaxOctaves = 8;
    int mCellsX;
    int mCellsY;
    std::vector<std::uint8_t> mDirections[MaxOctaves]; // per lattice point, one of sixteen
};

} // namespace media
