#pragma once

#include "Color.hpp"

#include <SFML/Graphics/Image.hpp>

#include <functional>
#include <vector>

namespace media
{

class Mask;

// A picture in floats, kept premultiplied so that light can be added onto transparency
// (glows around sprites) as easily as paint laid over it.
class Canvas
{
public:
    Canvas(int width, int height, Color fill = {});

    int width() const { return mWidth; }
    int height() const { return mHeight; }

    Color get(int x, int y) const; // straight colour
    void put(int x, int y, Color c);
    void paint(int x, int y, Color c, float coverage = 1.f); // c over what is there
    void light(int x, int y, Color c, float amount);         // adds c's light

    void paint(const Mask& mask, Color c);
    void paint(const Mask& mask, const std::function<Color(int, int)>& shader);
    void light(const Mask& mask, Color c, float amount);
    void draw(const Canvas& other, int left, int top); // other over this

    sf::Image toImage() const;

    // The game draws a sprite at a fixed scale num/den with nearest-neighbour sampling.
    // Each texel takes the art pixel floor(texel * num / den), so at that scale every
    // screen pixel lands back on its own art pixel instead of a ragged resample.
    sf::Image enlargedFor(int scaleNum, int scaleDen) const;

private:
    int mWidth;
    int mHeight;
    std::vector<Color> mPixels; // premultiplied
};

} // namespace media
