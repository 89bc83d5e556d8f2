#pragma once

#include <cstdint>

namespace media
{

// Gradient noise that repeats over the unit square, so a picture built from it tiles.
class PeriodicNoise
{
public:
    PeriodicNoise(std::uint64_t seed, int cellsX, int cellsY);

    // u and v in [0, 1) across one period; result roughly in [-1, 1].
    float sample(float u, float v, int octave = 0) const;

    // Sum of octaves, each twice as fine and `gain` times as strong as the last.
    float fractal(float u, float v, int octaves, float gain = 0.5f) const;

private:
    float gradient(int ix, int iy, int cellsX, int cellsY, int octave, float dx, float dy) const;

    std::uint64_t mSeed;
    int mCellsX;
    int mCellsY;
};

} // namespace media
