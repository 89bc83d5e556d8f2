#include "Noise.hpp"

#include "Random.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
float fade(float t)
{
    return t * t * t * (t * (t * 6.f - 15.f) + 10.f);
}

float lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}
} // namespace

// Sixteen evenly spread directions: as smooth as random angles, and cheap to look up.
const float Directions[16][2] = {
    {1.f, 0.f},  {0.92388f, 0.38268f},   {0.70711f, 0.70711f},   {0.38268f, 0.92388f},
    {0.f, 1.f},  {-0.38268f, 0.92388f},  {-0.70711f, 0.70711f},  {-0.92388f, 0.38268f},
    {-1.f, 0.f}, {-0.92388f, -0.38268f}, {-0.70711f, -0.70711f}, {-0.38268f, -0.92388f},
    {0.f, -1.f}, {0.38268f, -0.92388f},  {0.70711f, -0.70711f},  {0.92388f, -0.38268f}};

PeriodicNoise::PeriodicNoise(std::uint64_t seed, int cellsX, int cellsY)
    : mCellsX(cellsX), mCellsY(cellsY)
{
    for (int octave = 0; octave < MaxOctaves; ++octave)
    {
        const int columns = cellsX << octave;
        const int rows = cellsY << octave;
        std::vector<std::uint8_t>& directions = mDirections[octave];
        directions.resize(static_cast<std::size_t>(columns * rows));
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                directions[static_cast<std::size_t>(y * columns + x)] = static_cast<std::uint8_t>(
                    Random::hash(seed + static_cast<std::uint64_t>(octave),
                                 static_cast<std::uint64_t>(x), static_cast<std::uint64_t>(y)) >>
                    60);
    }
}

float PeriodicNoise::gradient(int ix, int iy, int octave, float dx, float dy) const
{
    const int columns = mCellsX << octave;
    const int rows = mCellsY << octave;
    const int x = ((ix % columns) + columns) % columns;
    const int y = ((iy % rows) + rows) % rows;
    const float* direction =
        Directions[mDirections[octave][static_cast<std::size_t>(y * columns + x)]];
    return direction[0] * dx + direction[1] * dy;
}

float PeriodicNoise::sample(float u, float v, int octave) const
{
    const float x = u * static_cast<float>(mCellsX << octave);
    const float y = v * static_cast<float>(mCellsY << octave);
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const float fx = x - static_cast<float>(ix);
    const float fy = y - static_cast<float>(iy);

    const float n00 = gradient(ix, iy, octave, fx, fy);
    const float n10 = gradient(ix + 1, iy, octave, fx - 1.f, fy);
    const float n01 = gradient(ix, iy + 1, octave, fx, fy - 1.f);
    const float n11 = gradient(ix + 1, iy + 1, octave, fx - 1.f, fy - 1.f);
    const float sx = fade(fx);
    const float sy = fade(fy);
    return 1.41f * lerp(lerp(n00, n10, sx), lerp(n01, n11, sx), sy);
}

float PeriodicNoise::fractal(float u, float v, int octaves, float gain) const
{
    float sum = 0.f;
    float weight = 1.f;
    float total = 0.f;
    for (int octave = 0; octave < std::min(octaves, MaxOctaves); ++octave)
    {
        sum += weight * sample(u, v, octave);
        total += weight;
        weight *= gain;
    }
    return sum / total;
}

} // namespace media
