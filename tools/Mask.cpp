#include "Mask.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
bool insidePolygon(const std::vector<Point>& points, float x, float y)
{
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++)
    {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}
} // namespace

Mask::Mask(int width, int height)
    : mWidth(width), mHeight(height), mCoverage(static_cast<std::size_t>(width * height), 0.f)
{
}

float Mask::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
        return 0.f;
    return mCoverage[static_cast<std::size_t>(y * mWidth + x)];
}

void Mask::set(int x, int y, float coverage)
{
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
        return;
    mCoverage[static_cast<std::size_t>(y * mWidth + x)] = coverage;
}

template <typename Inside>
void Mask::fillShape(float left, float top, float right, float bottom, int samples, Inside inside)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(left)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(top)) - 1);
    const int x1 = std::min(mWidth, static_cast<int>(std::ceil(right)) + 1);
    const int y1 = std::min(mHeight, static_cast<int>(std::ceil(bottom)) + 1);
    const float step = 1.f / static_cast<float>(samples);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
        {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                    if (inside(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) * step,
                               static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) * step))
                        ++hits;
            const float coverage = static_cast<float>(hits) / static_cast<float>(samples * samples);
            float& cell = mCoverage[static_cast<std::size_t>(y * mWidth + x)];
            cell = std::max(cell, coverage);
        }
}

void Mask::fillPolygon(const std::vector<Point>& points, int samples)
{
    float left = points.front().x, right = left, top = points.front().y, bottom = top;
    for (const Point& p : points)
    {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    fillShape(left, top, right, bottom, samples,
              [&points](float x, float y) { return insidePolygon(points, x, y); });
}

void Mask::fillEllipse(float centreX, float centreY, float radiusX, float radiusY, int samples)
{
    fillShape(centreX - radiusX, centreY - radiusY, centreX + radiusX, centreY + radiusY, samples,
              [=](float x, float y)
              {
                  const float dx = (x - centreX) / radiusX;
                  const float dy = (y - centreY) / radiusY;
                  return dx * dx + dy * dy <= 1.f;
              });
}

void Mask::fillRect(int left, int top, int right, int bottom)
{
    for (int y = std::max(0, top); y < std::min(mHeight, bottom); ++y)
        for (int x = std::max(0, left); x < std::min(mWidth, right); ++x)
            set(x, y, 1.f);
}

void Mask::fillRoundedRect(float left, float top, float right, float bottom, float radius,
                           int samples)
{
    fillShape(left, top, right, bottom, samples,
              [=](float x, float y)
              {
                  if (x < left || x > right || y < top || y > bottom)
                      return false;
                  const float cx = std::min(std::max(x, left + radius), right - radius);
                  const float cy = std::min(std::max(y, top + radius), bottom - radius);
                  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
              });
}

void Mask::fillLine(Point from, Point to, float thickness, int samples)
{
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    const float nx = -dy / length * thickness * 0.5f;
    const float ny = dx / length * thickness * 0.5f;
    fillPolygon({{from.x + nx, from.y + ny},
                 {to.x + nx, to.y + ny},
                 {to.x - nx, to.y - ny},
                 {from.x - nx, from.y - ny}},
                samples);
}

void Mask::mirrorLeftRight()
{
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth / 2; ++x)
        {
            const float both = std::max(at(x, y), at(mWidth - 1 - x, y));
            set(x, y, both);
            set(mWidth - 1 - x, y, both);
        }
}

void Mask::unite(const Mask& other)
{
    for (std::size_t i = 0; i < mCoverage.size(); ++i)
        mCoverage[i] = std::max(mCoverage[i], other.mCoverage[i]);
}

void Mask::subtract(const Mask& other)
{
    for (std::size_t i = 0; i < mCoverage.size(); ++i)
        mCoverage[i] = std::max(0.f, mCoverage[i] - other.mCoverage[i]);
}

void Mask::intersect(const Mask& other)
{
    for (std::size_t i = 0; i < mCoverage.size(); ++i)
        mCoverage[i] = std::min(mCoverage[i], other.mCoverage[i]);
}

Mask Mask::dilated(float radius) const
{
    Mask result(mWidth, mHeight);
    const int reach = static_cast<int>(std::ceil(radius));
    std::vector<std::pair<int, int>> disc;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (static_cast<float>(dx * dx + dy * dy) <= radius * radius)
                disc.emplace_back(dx, dy);
    // Spread every covered pixel over the disc: shapes are small next to their masks.
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
        {
            const float coverage = mCoverage[static_cast<std::size_t>(y * mWidth + x)];
            if (coverage <= 0.f)
                continue;
            for (const auto& [dx, dy] : disc)
            {
                const int tx = x + dx, ty = y + dy;
                if (tx < 0 || ty < 0 || tx >= mWidth || ty >= mHeight)
                    continue;
                float& cell = result.mCoverage[static_cast<std::size_t>(ty * mWidth + tx)];
                cell = std::max(cell, coverage);
            }
        }
    return result;
}

Mask Mask::blurred(int radius) const
{
    // Three box passes each way approximate a Gaussian; each box is a running sum.
    Mask result = *this;
    const float norm = 1.f / static_cast<float>(2 * radius + 1);
    auto boxPass = [&](std::size_t first, std::size_t stride, int count)
    {
        std::vector<float> line(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            line[static_cast<std::size_t>(i)] =
                result.mCoverage[first + static_cast<std::size_t>(i) * stride];
        float sum = 0.f;
        for (int k = 0; k <= std::min(radius, count - 1); ++k)
            sum += line[static_cast<std::size_t>(k)];
        for (int i = 0; i < count; ++i)
        {
            result.mCoverage[first + static_cast<std::size_t>(i) * stride] = sum * norm;
            const int entering = i + radius + 1;
            const int leaving = i - radius;
            if (entering < count)
                sum += line[static_cast<std::size_t>(entering)];
            if (leaving >= 0)
                sum -= line[static_cast<std::size_t>(leaving)];
        }
    };
    for (int pass = 0; pass < 3; ++pass)
    {
        for (int y = 0; y < mHeight; ++y)
            boxPass(static_cast<std::size_t>(y * mWidth), 1, mWidth);
        for (int x = 0; x < mWidth; ++x)
            boxPass(static_cast<std::size_t>(x), static_cast<std::size_t>(mWidth), mHeight);
    }
    return result;
}

Mask Mask::shifted(int dx, int dy) const
{
    Mask result(mWidth, mHeight);
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
            result.set(x, y, at(x - dx, y - dy));
    return result;
}

std::vector<float> Mask::insideDistance() const
{
    // Two-pass chamfer transform with 1 / sqrt(2) steps.
    const float big = 1e6f;
    const float diagonal = 1.41421356f;
    std::vector<float> d(mCoverage.size());
    for (std::size_t i = 0; i < d.size(); ++i)
        d[i] = mCoverage[i] >= 0.5f ? big : 0.f;
    auto cell = [&](int x, int y) -> float
    {
        if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
            return 0.f;
        return d[static_cast<std::size_t>(y * mWidth + x)];
    };
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
        {
            float& v = d[static_cast<std::size_t>(y * mWidth + x)];
            if (v == 0.f)
                continue;
            v = std::min({v, cell(x - 1, y) + 1.f, cell(x, y - 1) + 1.f,
                          cell(x - 1, y - 1) + diagonal, cell(x + 1, y - 1) + diagonal});
        }
    for (int y = mHeight - 1; y >= 0; --y)
        for (int x = mWidth - 1; x >= 0; --x)
        {
            float& v = d[static_cast<std::size_t>(y * mWidth + x)];
            if (v == 0.f)
                continue;
            v = std::min({v, cell(x + 1, y) + 1.f, cell(x, y + 1) + 1.f,
                          cell(x + 1, y + 1) + diagonal, cell(x - 1, y + 1) + diagonal});
        }
    return d;
}

} // namespace media
