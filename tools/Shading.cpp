#include "Shading.hpp"

#include <algorithm>
#include <cmath>

namespace media
{

void paintBevelled(Canvas& canvas, const Mask& part, const Ramp& ramp, float bevel)
{
    const std::vector<float> distance = part.insideDistance();
    const int w = part.width();
    const auto height = [&](int x, int y)
    {
        if (x < 0 || y < 0 || x >= w || y >= part.height())
            return 0.f;
        return std::min(distance[static_cast<std::size_t>(y * w + x)], bevel) / bevel;
    };
    const float lx = -0.45f, ly = -0.6f, lz = 0.66f;
    const float slope = bevel * 0.9f;
    canvas.paint(part,
                 [&](int x, int y)
                 {
                     const float gx = (height(x + 1, y) - height(x - 1, y)) * 0.5f * slope;
                     const float gy = (height(x, y + 1) - height(x, y - 1)) * 0.5f * slope;
                     const float length = std::sqrt(gx * gx + gy * gy + 1.f);
                     const float lit = (-gx * lx - gy * ly + lz) / length;
                     const float level = clamp01(0.2f + 0.85f * lit);
                     const int shades = static_cast<int>(ramp.size());
                     const int index = std::min(shades - 1, static_cast<int>(level * shades));
                     return ramp[static_cast<std::size_t>(index)];
                 });
}

void outline(Canvas& canvas, Color line)
{
    std::vector<Point> edge;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
        {
            if (canvas.get(x, y).a >= 0.5f)
                continue;
            const bool touches = canvas.get(x - 1, y).a >= 0.5f || canvas.get(x + 1, y).a >= 0.5f ||
                                 canvas.get(x, y - 1).a >= 0.5f || canvas.get(x, y + 1).a >= 0.5f;
            if (touches)
                edge.push_back({static_cast<float>(x), static_cast<float>(y)});
        }
    for (const Point& p : edge)
        canvas.paint(static_cast<int>(p.x), static_cast<int>(p.y), line);
}

void glow(Canvas& canvas, const Mask& shape, Color c, int radius, float strength)
{
    canvas.light(shape.blurred(radius), c, strength);
}

Mask symmetric(int width, int height, const std::vector<std::vector<Point>>& rightHalf)
{
    Mask mask(width, height);
    for (const auto& polygon : rightHalf)
        mask.fillPolygon(polygon);
    mask.mirrorLeftRight();
    return mask;
}

} // namespace media
