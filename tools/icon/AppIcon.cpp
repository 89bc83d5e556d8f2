// Writes the desktop icon: the player's ship over a rounded tile of the game's
// star field, at 64 x 64 art pixels, enlarged without smoothing to 128 and 256
// and reduced by area averaging to 48, into
// <folder>/hicolor/<size>x<size>/apps/vantorix.png.

#include "Canvas.hpp"
#include "IconArt.hpp"
#include "Scenes.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>

namespace
{
// How much of the art pixel range [pixel, pixel + 1) the span [from, to) covers.
float overlap(int pixel, float from, float to)
{
    return std::max(0.f, std::min(to, pixel + 1.f) - std::max(from, static_cast<float>(pixel)));
}

// Each icon pixel averages the art pixels under it, weighted by the area they share and
// by their opacity, so the ship's edges fade into the tile instead of being dropped.
sf::Image reduced(const media::Canvas& art, int size)
{
    const float step = static_cast<float>(art.width()) / static_cast<float>(size);
    media::Canvas icon(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
        {
            const float left = x * step;
            const float top = y * step;
            media::Color sum; // premultiplied
            for (int ay = static_cast<int>(top); ay < top + step; ++ay)
                for (int ax = static_cast<int>(left); ax < left + step; ++ax)
                {
                    const media::Color c = art.get(ax, ay);
                    const float weight =
                        overlap(ax, left, left + step) * overlap(ay, top, top + step) * c.a;
                    sum = {sum.r + c.r * weight, sum.g + c.g * weight, sum.b + c.b * weight,
                           sum.a + weight};
                }
            const float alpha = sum.a / (step * step);
            if (alpha > 0.f)
                icon.put(x, y, {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, alpha});
        }
    return icon.toImage();
}

bool save(const sf::Image& image, const std::filesystem::path& root)
{
    const std::string size = std::to_string(image.getSize().x);
    const std::filesystem::path folder = root / "hicolor" / (size + "x" + size) / "apps";
    std::filesystem::create_directories(folder);
    return image.saveToFile((folder / "vantorix.png").string());
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const media::Canvas art = media::iconArt(media::galaxyArt());
    const std::filesystem::path root = argv[1];
    if (!save(reduced(art, 48), root))
        return 1;
    for (int factor : {1, 2, 4})
        if (!save(art.enlargedFor(1, factor), root))
            return 1;
    return 0;
}
