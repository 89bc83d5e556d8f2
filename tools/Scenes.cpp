#include "Scenes.hpp"

#include "Lettering.hpp"
#include "Mask.hpp"
#include "Noise.hpp"
#include "Palette.hpp"
#include "Random.hpp"
#include "ShipArt.hpp"
#include "presentation/RecordCaption.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
using namespace palette;

constexpr int ScreenSize = 800;

float smoothstep(float edge0, float edge1, float x)
{
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.f - 2.f * t);
}

int wrap(int v)
{
    return ((v % ScreenSize) + ScreenSize) % ScreenSize;
}

void starLight(Canvas& art, int x, int y, Color c, float amount)
{
    art.light(wrap(x), wrap(y), c, amount);
}

void scatterStars(Canvas& art)
{
    Random random(0x57a125);
    const Color tints[] = {White, rgb(0xcfe0ff), rgb(0xffd6f0), rgb(0xfff1c8), rgb(0xb8fff6)};
    for (int i = 0; i < 1600; ++i)
    {
        const int x = random.below(ScreenSize), y = random.below(ScreenSize);
        starLight(art, x, y, tints[random.below(5)], random.range(0.12f, 0.5f));
    }
    for (int i = 0; i < 220; ++i)
    {
        const int x = random.below(ScreenSize), y = random.below(ScreenSize);
        const Color tint = tints[random.below(5)];
        const float b = random.range(0.55f, 0.95f);
        starLight(art, x, y, tint, b);
        for (const auto& d : {std::array<int, 2>{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            starLight(art, x + d[0], y + d[1], tint, b * 0.22f);
    }
    for (int i = 0; i < 28; ++i)
    {
        const int x = random.below(ScreenSize), y = random.below(ScreenSize);
        const Color tint = tints[random.below(5)];
        const int arm = 2 + random.below(5);
        for (int dy = -5; dy <= 5; ++dy)
            for (int dx = -5; dx <= 5; ++dx)
            {
                const float d2 = static_cast<float>(dx * dx + dy * dy);
                starLight(art, x + dx, y + dy, tint, 0.35f * std::exp(-d2 / 5.f));
            }
        starLight(art, x, y, White, 1.f);
        for (int k = 1; k <= arm; ++k)
        {
            const float fall = 0.8f * (1.f - static_cast<float>(k) / static_cast<float>(arm + 1));
            starLight(art, x + k, y, tint, fall);
            starLight(art, x - k, y, tint, fall);
            starLight(art, x, y + k, tint, fall);
            starLight(art, x, y - k, tint, fall);
        }
    }
}

// Coverage scanned for its ink box, so effects can follow the letters' height.
struct Box
{
    int top = 0;
    int bottom = 0;
};

Box inkBox(const Mask& mask)
{
    Box box{mask.height(), 0};
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (mask.at(x, y) > 0.f)
            {
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

void retroSun(Canvas& art, float centreX, float centreY, float radius, float horizon)
{
    Mask sun(ScreenSize, ScreenSize);
    sun.fillEllipse(centreX, centreY, radius, radius, 4);
    Mask cuts(ScreenSize, ScreenSize);
    // Bands cut from the lower half, growing towards the horizon.
    float y = centreY - radius * 0.05f;
    float band = 2.f;
    while (y < horizon)
    {
        cuts.fillRoundedRect(0.f, y, static_cast<float>(ScreenSize), y + band, 0.f, 4);
        y += band * 2.6f + 6.f;
        band += 1.6f;
    }
    Mask sky(ScreenSize, ScreenSize);
    sky.fillRect(0, 0, ScreenSize, static_cast<int>(horizon));
    sun.intersect(sky);
    glow(art, sun, NeonMagenta, 24, 0.55f);
    sun.subtract(cuts);
    art.paint(sun,
              [&](int, int py)
              {
                  const float t = clamp01((static_cast<float>(py) - (centreY - radius)) /
                                          (horizon - (centreY - radius)));
                  return t < 0.5f ? mix(rgb(0xfff27a), NeonOrange, t * 2.f)
                                  : mix(NeonOrange, NeonMagenta, (t - 0.5f) * 2.f);
              });
}

void neonGrid(Canvas& art, float horizon)
{
    // The floor darkens the stars below the horizon, then lines run to a vanishing point.
    for (int y = static_cast<int>(horizon); y < ScreenSize; ++y)
        for (int x = 0; x < ScreenSize; ++x)
        {
            const float t = (static_cast<float>(y) - horizon) / (ScreenSize - horizon);
            art.paint(x, y, mix(rgb(0x12051f), rgb(0x2a0838), t), 0.92f);
        }
    Mask lines(ScreenSize, ScreenSize);
    const float vanishX = ScreenSize * 0.5f;
    for (int i = -14; i <= 14; ++i)
    {
        const float bottomX = vanishX + static_cast<float>(i) * 95.f;
        lines.fillLine({vanishX + static_cast<float>(i) * 10.f, horizon},
                       {bottomX, static_cast<float>(ScreenSize)}, 2.f, 3);
    }
    for (int k = 1; k < 16; ++k)
    {
        const float depth = static_cast<float>(k * k) * 1.6f;
        const float y = horizon + depth;
        if (y > ScreenSize)
            break;
        lines.fillLine({0.f, y}, {static_cast<float>(ScreenSize), y}, 1.2f + depth / 90.f, 3);
    }
    Mask below(ScreenSize, ScreenSize);
    below.fillRect(0, static_cast<int>(horizon), ScreenSize, ScreenSize);
    lines.intersect(below);
    glow(art, lines, NeonMagenta, 3, 0.5f);
    art.paint(lines, mix(NeonMagenta, White, 0.15f));
    Mask horizonLine(ScreenSize, ScreenSize);
    horizonLine.fillLine({0.f, horizon}, {static_cast<float>(ScreenSize), horizon}, 2.f, 3);
    glow(art, horizonLine, NeonCyan, 4, 0.8f);
    art.paint(horizonLine, mix(NeonCyan, White, 0.5f));
}

void titleLettering(Canvas& art, const Lettering& letters)
{
    Lettering::Layout layout;
    layout.pixelSize = 124;
    layout.tracking = 2.f;
    layout.slant = 0.2f;
    const Mask title = letters.text("VANTORIX", layout, ScreenSize, ScreenSize, 400.f, 168.f);
    const Box box = inkBox(title);
    const float top = static_cast<float>(box.top);
    const float span = static_cast<float>(box.bottom - box.top);

    glow(art, title.dilated(4.f), NeonMagenta, 10, 0.9f);
    art.paint(title.dilated(5.f), Outline);
    art.paint(title.dilated(3.f), mix(NeonCyan, White, 0.3f));
    art.paint(title,
              [&](int, int y)
              {
                  // Chrome: a sky above a bright horizon line reflecting a hot ground.
                  const float t = (static_cast<float>(y) + 0.5f - top) / span;
                  if (t < 0.52f)
                      return mix(rgb(0x0d1d66), rgb(0xdff4ff), std::pow(t / 0.52f, 1.4f));
                  if (t < 0.56f)
                      return White;
                  return mix(rgb(0x4a0a4e), rgb(0xffb3e6), std::pow((t - 0.56f) / 0.44f, 0.8f));
              });
}

struct Button
{
    // Exclusive pixel bounds: the menu tests the mouse against exactly these areas.
    int left;
    int top;
    int right;
    int bottom;
    const char* label;
    int letterSize;
    float tracking;
};

constexpr Button PlayButton{296, 516, 509, 579, "PLAY", 40, 6.f};
// In the gap the design leaves between Play and Exit, as screens/MenuButtons has it.
constexpr Button OptionsButton{322, 582, 475, 622, "OPTIONS", 22, 2.5f};
constexpr Button ExitButton{317, 625, 480, 693, "EXIT", 40, 6.f};

void drawButton(Canvas& art, const Lettering& letters, const Button& button, bool lit)
{
    const float left = static_cast<float>(button.left + 1);
    const float top = static_cast<float>(button.top + 1);
    const float right = static_cast<float>(button.right);
    const float bottom = static_cast<float>(button.bottom);
    Mask frame(ScreenSize, ScreenSize);
    frame.fillRoundedRect(left, top, right, bottom, 12.f, 4);
    Mask face(ScreenSize, ScreenSize);
    face.fillRoundedRect(left + 4.f, top + 4.f, right - 4.f, bottom - 4.f, 8.f, 4);
    Mask border = frame;
    border.subtract(face);

    Lettering::Layout layout;
    layout.pixelSize = button.letterSize;
    layout.tracking = button.tracking;
    layout.slant = 0.2f;
    const Mask label = letters.text(button.label, layout, ScreenSize, ScreenSize,
                                    (left + right) * 0.5f, (top + bottom) * 0.5f);

    if (lit)
    {
        art.paint(face,
                  [&](int, int y)
                  {
                      const float t = (static_cast<float>(y) - top) / (bottom - top);
                      return mix(rgb(0xff5cc0), rgb(0x7a0f6a), t);
                  });
        Mask inner = face;
        inner.subtract(face.shifted(0, 3));
        art.paint(inner, withAlpha(White, 0.5f));
        art.paint(border, rgb(0xfff0fa));
        art.paint(label.dilated(2.f), rgb(0x3a0530));
        art.paint(label, White);
    }
    else
    {
        art.paint(face, withAlpha(rgb(0x0c0722), 0.88f));
        art.paint(border, NeonCyan);
        Mask labelGlow = label.blurred(2);
        labelGlow.intersect(face);
        art.light(labelGlow, NeonCyan, 0.6f);
        art.paint(label, mix(NeonCyan, White, 0.25f));
    }
}

Canvas menuBase(const Canvas& galaxy, const Lettering& letters)
{
    Canvas art = galaxy;
    const float horizon = 470.f;
    retroSun(art, 400.f, 392.f, 150.f, horizon);
    neonGrid(art, horizon);

    // The player's ship, twice its size in play, climbing out of the sunset.
    const Canvas ship = playerShipArt();
    Canvas bigShip(ship.width() * 2, ship.height() * 2);
    for (int y = 0; y < bigShip.height(); ++y)
        for (int x = 0; x < bigShip.width(); ++x)
            bigShip.put(x, y, ship.get(x / 2, y / 2));
    art.draw(bigShip, 400 - bigShip.width() / 2, 300);

    titleLettering(art, letters);
    return art;
}
} // namespace

Canvas galaxyArt()
{
    Canvas art(ScreenSize, ScreenSize, SpaceDeep);
    const PeriodicNoise cloud(101, 3, 3);
    const PeriodicNoise warp(202, 2, 2);
    const PeriodicNoise tint(303, 2, 2);
    const PeriodicNoise dust(404, 4, 4);
    for (int y = 0; y < ScreenSize; ++y)
        for (int x = 0; x < ScreenSize; ++x)
        {
            const float u = (static_cast<float>(x) + 0.5f) / ScreenSize;
            const float v = (static_cast<float>(y) + 0.5f) / ScreenSize;
            const float wu = u + 0.12f * warp.fractal(u, v, 3);
            const float wv = v + 0.12f * warp.fractal(u + 0.5f, v + 0.25f, 3);
            const float density = smoothstep(-0.08f, 0.5f, cloud.fractal(wu, wv, 6, 0.55f));
            const float filaments = std::pow(1.f - std::fabs(dust.fractal(wu, wv, 4)), 6.f);
            const float hue = smoothstep(-0.35f, 0.35f, tint.fractal(u, v, 3));
            const float teal = smoothstep(0.f, 0.4f, tint.fractal(u + 0.3f, v + 0.6f, 2));

            Color gas = mix(NebulaViolet, NebulaMagenta, hue);
            gas = mix(gas, NebulaTeal, teal * 0.85f);
            Color c = mix(SpaceDeep, SpaceIndigo, smoothstep(-0.4f, 0.4f, cloud.sample(u, v)));
            c = mix(c, gas, 0.48f * density + 0.15f * filaments * density);
            c = mix(c, mix(gas, White, 0.35f), 0.1f * density * density);
            art.put(x, y, c);
        }
    scatterStars(art);
    return art;
}

Canvas scrollingGalaxy(const Canvas& galaxy)
{
    const int height = galaxy.height();
    Canvas art(galaxy.width(), height + 2 * GalaxyMarginRows);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            art.put(x, y, galaxy.get(x, (y - GalaxyMarginRows + height) % height));
    return art;
}

std::array<Canvas, 3> menuScreens(const Canvas& galaxy, const Lettering& letters)
{
    const Canvas base = menuBase(galaxy, letters);
    Canvas withOptions = base;
    drawButton(withOptions, letters, OptionsButton, false);
    std::array<Canvas, 3> screens = {withOptions, withOptions, withOptions};
    drawButton(screens[0], letters, PlayButton, false);
    drawButton(screens[0], letters, ExitButton, false);
    drawButton(screens[1], letters, PlayButton, true);
    drawButton(screens[1], letters, ExitButton, false);
    drawButton(screens[2], letters, PlayButton, false);
    drawButton(screens[2], letters, ExitButton, true);
    return screens;
}

Canvas litOptionsButton(const Lettering& letters)
{
    Canvas whole(ScreenSize, ScreenSize);
    drawButton(whole, letters, OptionsButton, true);
    const Button& b = OptionsButton;
    Canvas lit(b.right - b.left + 1, b.bottom - b.top + 1);
    for (int y = 0; y < lit.height(); ++y)
        for (int x = 0; x < lit.width(); ++x)
            lit.put(x, y, whole.get(b.left + x, b.top + y));
    return lit;
}

Canvas loseScreen(const Canvas& galaxy, const Lettering& letters)
{
    Canvas art(ScreenSize, ScreenSize);
    for (int y = 0; y < ScreenSize; ++y)
        for (int x = 0; x < ScreenSize; ++x)
        {
            // The same sky, drained and gone red.
            const Color c = galaxy.get(x, y);
            const float luminance = 0.3f * c.r + 0.55f * c.g + 0.15f * c.b;
            art.put(x, y, {luminance * 0.75f, luminance * 0.16f, luminance * 0.26f, 1.f});
        }

    const float cx = 400.f, cy = 400.f;
    Mask burst(ScreenSize, ScreenSize);
    burst.fillEllipse(cx, cy, 90.f, 90.f, 2);
    glow(art, burst, NeonRed, 40, 0.5f);
    Mask ring(ScreenSize, ScreenSize);
    ring.fillEllipse(cx, cy, 250.f, 250.f, 4);
    Mask ringHole(ScreenSize, ScreenSize);
    ringHole.fillEllipse(cx, cy, 244.f, 244.f, 4);
    ring.subtract(ringHole);
    glow(art, ring, NeonOrange, 6, 0.6f);
    art.paint(ring, withAlpha(mix(NeonOrange, White, 0.3f), 0.8f));

    // Shards of the lost ship flung outward, clear of the band where the game writes the
    // level reached and the best: a shard's reach is its size, its glow and its outline.
    Random random(0xdead5);
    const float bandTop = RecordCaption::GameOverBandTop - 26.f;
    const float bandBottom = RecordCaption::GameOverBandBottom + 26.f;
    for (int i = 0; i < 16; ++i)
    {
        float px = 0.f, py = 0.f;
        do
        {
            const float angle = random.range(0.f, 6.2831853f);
            const float distance = random.range(150.f, 330.f);
            px = cx + std::cos(angle) * distance;
            py = cy + std::sin(angle) * distance;
        } while (py > bandTop && py < bandBottom);
        const float size = random.range(8.f, 20.f);
        const float turn = random.range(0.f, 6.2831853f);
        Mask shard(ScreenSize, ScreenSize);
        shard.fillPolygon(
            {{px + std::cos(turn) * size, py + std::sin(turn) * size},
             {px + std::cos(turn + 2.3f) * size * 0.7f, py + std::sin(turn + 2.3f) * size * 0.7f},
             {px + std::cos(turn + 4.1f) * size * 0.5f, py + std::sin(turn + 4.1f) * size * 0.5f}},
            3);
        glow(art, shard, NeonOrange, 4, 0.35f);
        art.paint(shard.dilated(1.5f), Outline);
        art.paint(shard, PlayerHull[static_cast<std::size_t>(1 + random.below(3))]);
    }

    Lettering::Layout layout;
    layout.pixelSize = 96;
    layout.tracking = 4.f;
    layout.slant = 0.15f;
    const Mask words = letters.text("GAME OVER", layout, ScreenSize, ScreenSize, cx, cy);
    const Box box = inkBox(words);
    glow(art, words.dilated(3.f), NeonRed, 12, 1.1f);
    art.paint(words.dilated(5.f), Outline);
    art.paint(words.dilated(3.f), rgb(0xffc2ca));
    art.paint(words,
              [&](int, int y)
              {
                  const float t = (static_cast<float>(y) + 0.5f - static_cast<float>(box.top)) /
                                  static_cast<float>(box.bottom - box.top);
                  return t < 0.5f ? mix(rgb(0xffe0e4), NeonRed, t * 2.f)
                                  : mix(NeonRed, rgb(0x5a0414), (t - 0.5f) * 2.f);
              });
    return art;
}

} // namespace media
