#include "IconArt.hpp"

#include "ShipArt.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
constexpr int ArtSize = 64;
constexpr int CornerRadius = 12;
constexpr int GalaxyBlock = 4; // galaxy pixels averaged into one tile pixel: a denser sky

// How much of pixel (x, y) lies inside the rounded tile (signed distance to its
// edge, so the corners come out smooth).
float tileCoverage(int x, int y)
{
    const float centre = (ArtSize - 1) / 2.f;
    const float innerHalf = ArtSize / 2.f - CornerRadius;
    const float qx = std::abs(static_cast<float>(x) - centre) - innerHalf;
    const float qy = std::abs(static_cast<float>(y) - centre) - innerHalf;
    const float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
    const float inside = std::min(std::max(qx, qy), 0.f);
    return clamp01(0.5f - (outside + inside - CornerRadius));
}
} // namespace

Canvas iconArt(const Canvas& galaxy)
{
    Canvas icon(ArtSize, ArtSize);
    for (int y = 0; y < ArtSize; ++y)
        for (int x = 0; x < ArtSize; ++x)
        {
            Color sum;
            for (int by = 0; by < GalaxyBlock; ++by)
                for (int bx = 0; bx < GalaxyBlock; ++bx)
                {
                    const Color c = galaxy.get(x * GalaxyBlock + bx, y * GalaxyBlock + by);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1.f};
                }
            const float blocks = GalaxyBlock * GalaxyBlock;
            icon.paint(x, y, {sum.r / blocks, sum.g / blocks, sum.b / blocks, 1.f},
                       tileCoverage(x, y));
        }
    icon.draw(playerShipArt(), 0, 0);
    return icon;
}

} // namespace media
