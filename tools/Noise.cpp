#include "Noise.hpp"

#include "Random.hpp"

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

PeriodicNoise::PeriodicNoise(std::uint64_t seed, int cellsX, int cellsY)
    : mSeed(seed), mCellsX(cellsX), mCellsY(cellsY)
{
}

float PeriodicNoise::gradient(int ix, int iy, int cellsX, int cellsY, int octave, float dx,
                              float dy) const
{
    const int wrappedX = ((ix % cellsX) + cellsX) % cellsX;
    const int wrappedY = ((iy % cellsY) + cellsY) % cellsY;
    const std::uint64_t h =
        Random::hash(mSeed + static_cast<std::uint64_t>(octave),
                     static_cast<std::uint64_t>(wrappedX), static_cast<std::uint64_t>(wrappedY));
    const float angle = static_cast<float>(h >> 40) / static_cast<float>(1ull << 24) * 6.2831853f;
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

float PeriodicNoise::sample(float u, float v, int octave) const
{
    const int cellsX = mCellsX << octave;
    const int cellsY = mCellsY << octave;
    const float x = u * static_cast<float>(cellsX);
    const float y = v * static_cast<float>(cellsY);
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const float fx = x - static_cast<float>(ix);
    const float fy = y - static_cast<float>(iy);

    const float n00 = gradient(ix, iy, cellsX, cellsY, octave, fx, fy);
    const float n10 = gradient(ix + 1, iy, cellsX, cellsY, octave, fx - 1.f, fy);
    const float n01 = gradient(ix, iy + 1, cellsX, cellsY, octave, fx, fy - 1.f);
    const float n11 = gradient(ix + 1, iy + 1, cellsX, cellsY, octave, fx - 1.f, fy - 1.f);
    const float sx = fade(fx);
    const float sy = fade(fy);
    return 1.41f * lerp(lerp(n00, n10, sx), lerp(n01, n11, sx), sy);
}

float PeriodicNoise::fractal(float u, float v, int octaves, float gain) const
{
    float sum = 0.f;
    float weight = 1.f;
    float total = 0.f;
    for (int octave = 0; octave < octaves; ++octave)
    {
        sum += weight * sample(u, v, octave);
        total += weight;
        weight *= gain;
    }
    return sum / total;
}

} // namespace media
