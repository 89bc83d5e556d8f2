#pragma once

#include <vector>

namespace media
{

struct Point
{
    float x = 0.f;
    float y = 0.f;
};

// Coverage in 0..1 per pixel: the shapes that art and lettering are cut from. Shapes are
// sampled at pixel centres (hard pixel-art edges) or, with `samples` > 1, on a finer grid
// for smooth edges in the large screens.
class Mask
{
public:
    Mask(int width, int height);

    int width() const { return mWidth; }
    int height() const { return mHeight; }
    float at(int x, int y) const;
    void set(int x, int y, float coverage);

    void fillPolygon(const std::vector<Point>& points, int samples = 1);
    void fillEllipse(float centreX, float centreY, float radiusX, float radiusY, int samples = 1);
    void fillRect(int left, int top, int right, int bottom);
    void fillRoundedRect(float left, float top, float right, float bottom, float radius,
                         int samples = 1);
    void fillLine(Point from, Point to, float thickness, int samples = 1);

    void mirrorLeftRight(); // adds the mirror image: ships are symmetric about the centre
    void unite(const Mask& other);
    void subtract(const Mask& other);
    void intersect(const Mask& other);

    Mask dilated(float radius) const;
    Mask blurred(int radius) const;
    Mask shifted(int dx, int dy) const;
    // Distance in pixels from each covered pixel to the nearest uncovered one (0 outside).
    std::vector<float> insideDistance() const;

private:
    template <typename Inside>
    void fillShape(float left, float top, float right, float bottom, int samples, Inside inside);

    int mWidth;
    int mHeight;
    std::vector<float> mCoverage;
};

} // namespace media
