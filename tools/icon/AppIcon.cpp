// Writes the desktop icon: the player's ship over a rounded tile of the game's
// star field, at 64 x 64 art pixels and enlarged without smoothing, into
// <folder>/hicolor/<size>x<size>/apps/vantorix.png.

#include "Canvas.hpp"
#include "Scenes.hpp"
#include "ShipArt.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>

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
    return media::clamp01(0.5f - (outside + inside - CornerRadius));
}

media::Canvas iconArt()
{
    const media::Canvas galaxy = media::galaxyArt();
    media::Canvas icon(ArtSize, ArtSize);
    for (int y = 0; y < ArtSize; ++y)
        for (int x = 0; x < ArtSize; ++x)
        {
            media::Color sum;
            for (int by = 0; by < GalaxyBlock; ++by)
                for (int bx = 0; bx < GalaxyBlock; ++bx)
                {
                    const media::Color c = galaxy.get(x * GalaxyBlock + bx, y * GalaxyBlock + by);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1.f};
                }
            const float blocks = GalaxyBlock * GalaxyBlock;
            icon.paint(x, y, {sum.r / blocks, sum.g / blocks, sum.b / blocks, 1.f},
                       tileCoverage(x, y));
        }
    icon.draw(media::playerShipArt(), 0, 0);
    return icon;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const media::Canvas art = iconArt();
    for (int factor : {1, 2, 4})
    {
        const std::string size = std::to_string(ArtSize * factor);
        const std::filesystem::path folder =
            std::filesystem::path(argv[1]) / "hicolor" / (size + "x" + size) / "apps";
        std::filesystem::create_directories(folder);
        const sf::Image image = art.enlargedFor(1, factor);
        if (!image.saveToFile((folder / "vantorix.png").string()))
            return 1;
    }
    return 0;
}
