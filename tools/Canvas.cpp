#include "Canvas.hpp"

#include "Mask.hpp"

#include <cmath>

namespace media
{
namespace
{
sf::Uint8 toByte(float v)
{
    return static_cast<sf::Uint8>(std::lround(clamp01(v) * 255.f));
}
} // namespace

Canvas::Canvas(int width, int height, Color fill)
    : mWidth(width), mHeight(height),
      mPixels(static_cast<std::size_t>(width * height),
              Color{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a})
{
}

Color Canvas::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
        return {};
    const Color& p = mPixels[static_cast<std::size_t>(y * mWidth + x)];
    if (p.a <= 0.f)
        return {};
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Canvas::put(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
        return;
    mPixels[static_cast<std::size_t>(y * mWidth + x)] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

void Canvas::paint(int x, int y, Color c, float coverage)
{
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight || coverage <= 0.f)
        return;
    Color& p = mPixels[static_cast<std::size_t>(y * mWidth + x)];
    const float a = c.a * coverage;
    p.r = c.r * a + p.r * (1.f - a);
    p.g = c.g * a + p.g * (1.f - a);
    p.b = c.b * a + p.b * (1.f - a);
    p.a = a + p.a * (1.f - a);
}

void Canvas::light(int x, int y, Color c, float amount)
{
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight || amount <= 0.f)
        return;
    Color& p = mPixels[static_cast<std::size_t>(y * mWidth + x)];
    p.r += c.r * amount;
    p.g += c.g * amount;
    p.b += c.b * amount;
    p.a = std::min(1.f, p.a + amount);
}

void Canvas::paint(const Mask& mask, Color c)
{
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
            paint(x, y, c, mask.at(x, y));
}

void Canvas::paint(const Mask& mask, const std::function<Color(int, int)>& shader)
{
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
            if (mask.at(x, y) > 0.f)
                paint(x, y, shader(x, y), mask.at(x, y));
}

void Canvas::light(const Mask& mask, Color c, float amount)
{
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
            light(x, y, c, mask.at(x, y) * amount);
}

void Canvas::draw(const Canvas& other, int left, int top)
{
    for (int y = 0; y < other.mHeight; ++y)
        for (int x = 0; x < other.mWidth; ++x)
            paint(left + x, top + y, other.get(x, y));
}

sf::Image Canvas::toImage() const
{
    sf::Image image;
    image.create(static_cast<unsigned>(mWidth), static_cast<unsigned>(mHeight));
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
        {
            const Color c = get(x, y);
            const sf::Uint8 alpha = toByte(c.a);
            // Fully transparent texels are stored black so the files compress alike.
            image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                           alpha == 0 ? sf::Color::Transparent
                                      : sf::Color(toByte(c.r), toByte(c.g), toByte(c.b), alpha));
        }
    return image;
}

sf::Image Canvas::enlargedFor(int scaleNum, int scaleDen) const
{
    const sf::Image art = toImage();
    const auto texels = [&](int artPixels)
    { return static_cast<unsigned>((artPixels * scaleDen + scaleNum - 1) / scaleNum); };
    sf::Image image;
    image.create(texels(mWidth), texels(mHeight));
    for (unsigned y = 0; y < image.getSize().y; ++y)
        for (unsigned x = 0; x < image.getSize().x; ++x)
            image.setPixel(
                x, y,
                art.getPixel(x * static_cast<unsigned>(scaleNum) / static_cast<unsigned>(scaleDen),
                             y * static_cast<unsigned>(scaleNum) /
                                 static_cast<unsigned>(scaleDen)));
    return image;
}

} // namespace media
