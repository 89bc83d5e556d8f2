#pragma once

#include <algorithm>
#include <cstdint>

namespace media
{

// Straight (not premultiplied) colour with channels in 0..1; the art is mixed in floats and
// rounded to 8 bits only when written.
struct Color
{
    float r = 0.f;
    float g = 0.f;
    float b = 0.f;
    float a = 0.f;
};

constexpr Color rgb(std::uint32_t hex, float alpha = 1.f)
{
    return {static_cast<float>((hex >> 16) & 0xff) / 255.f,
            static_cast<float>((hex >> 8) & 0xff) / 255.f, static_cast<float>(hex & 0xff) / 255.f,
            alpha};
}

inline float clamp01(float v)
{
    return std::min(1.f, std::max(0.f, v));
}

inline Color mix(Color from, Color to, float t)
{
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

inline Color withAlpha(Color c, float alpha)
{
    c.a = alpha;
    return c;
}

inline Color scaled(Color c, float factor)
{
    return {c.r * factor, c.g * factor, c.b * factor, c.a};
}

} // namespace media
