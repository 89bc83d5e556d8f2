#include "PickupArt.hpp"

#include "Mask.hpp"
#include "Palette.hpp"
#include "Shading.hpp"

#include <cmath>

namespace media
{
namespace
{
using namespace palette;

// The round token every power-up is drawn on: it spins as it falls, so it is a disc, and
// its edges are smooth (the game samples the badges smoothly) so the ring stays round at
// every angle instead of breaking into steps.
Canvas badge(int size, Color ring)
{
    constexpr int Smooth = 4; // coverage samples per pixel side
    Canvas art(size, size);
    const float centre = static_cast<float>(size) * 0.5f;
    const float radius = centre - 1.5f;
    Mask rim(size, size);
    rim.fillEllipse(centre, centre, radius + 1.f, radius + 1.f, Smooth);
    Mask disc(size, size);
    disc.fillEllipse(centre, centre, radius, radius, Smooth);
    Mask inner(size, size);
    inner.fillEllipse(centre, centre, radius - 2.5f, radius - 2.5f, Smooth);
    Mask band = disc;
    band.subtract(inner);

    art.paint(rim, Outline);
    art.paint(disc, rgb(0x1a0f3a));
    art.paint(inner,
              [&](int x, int y)
              {
                  // A faint radial sheen so the face is not a flat hole.
                  const float dx = static_cast<float>(x) + 0.5f - centre * 0.8f;
                  const float dy = static_cast<float>(y) + 0.5f - centre * 0.7f;
                  const float d = std::sqrt(dx * dx + dy * dy) / radius;
                  return d < 0.45f ? rgb(0x2c1c5e) : (d < 0.8f ? rgb(0x221650) : rgb(0x180e3c));
              });
    art.paint(band, ring);
    Mask highlight(size, size);
    highlight.fillEllipse(centre - radius * 0.45f, centre - radius * 0.45f, radius * 0.28f,
                          radius * 0.28f, Smooth);
    highlight.intersect(band);
    art.paint(highlight, mix(ring, White, 0.6f));
    return art;
}
} // namespace

Canvas beamArt()
{
    const int w = 6, h = 22;
    Canvas art(w, h);
    Mask outer(w, h);
    outer.fillRoundedRect(0.f, 0.f, 6.f, 22.f, 3.f);
    Mask middle(w, h);
    middle.fillRoundedRect(1.f, 1.f, 5.f, 21.f, 2.f);
    Mask core(w, h);
    core.fillRoundedRect(2.f, 3.f, 4.f, 19.f, 1.f);
    // Pale, so that it reads as the ship's warm gold as it is and takes the enemies' tint
    // (the game multiplies their shots by a colour of their own) without going dark.
    art.paint(outer, withAlpha(rgb(0xffb040), 0.6f));
    art.paint(middle, rgb(0xffeca0));
    art.paint(core, White);
    return art;
}

// The enemies' shot told from the ship's by its shape alone, for players who do not
// tell their colours apart: beads where the beam is a bar. It keeps the beam's size,
// which is the shot's bounds, and like the beam it is pale, to take the enemies' tint.
Canvas enemyShotArt()
{
    const int w = 6, h = 22;
    Canvas art(w, h);
    for (const float top : {0.f, 7.f, 14.f})
    {
        const auto diamond = [&](float inset)
        {
            Mask shape(w, h);
            shape.fillPolygon({{3.f, top + inset},
                               {6.f - inset, top + 4.f},
                               {3.f, top + 8.f - inset},
                               {inset, top + 4.f}});
            return shape;
        };
        art.paint(diamond(0.f), withAlpha(rgb(0xffc0d8), 0.75f));
        art.paint(diamond(1.f), rgb(0xffe6f0));
        art.paint(diamond(2.f), White);
    }
    return art;
}

Canvas addShipArt()
{
    const int s = 40;
    Canvas art = badge(s, NeonLime);
    // A small version of the player's ship.
    const Mask wings = symmetric(s, s, {{{20, 14}, {29, 25}, {29, 28}, {20, 27}}});
    const Mask body = symmetric(s, s, {{{20, 8}, {22, 13}, {23, 27}, {22, 31}, {20, 31}}});
    paintBevelled(art, wings, palette::PlayerWing, 1.5f);
    paintBevelled(art, body, palette::PlayerHull, 2.f);
    Mask cockpit(s, s);
    cockpit.fillEllipse(20.f, 17.f, 1.5f, 3.f);
    art.paint(cockpit, NeonCyan);
    // The plus, upper right.
    Mask plus(s, s);
    plus.fillRect(28, 8, 30, 16);
    plus.fillRect(25, 11, 33, 13);
    Mask plusEdge = plus.dilated(1.f);
    art.paint(plusEdge, Outline);
    art.paint(plus, NeonLime);
    return art;
}

Canvas bulletSpeedArt()
{
    const int s = 36;
    Canvas art = badge(s, NeonMagenta);
    // Three shots rising, with speed streaks under them.
    Mask shots(s, s);
    Mask streaks(s, s);
    const float columns[] = {11.f, 18.f, 25.f};
    const float tops[] = {11.f, 7.f, 11.f};
    for (int i = 0; i < 3; ++i)
    {
        shots.fillRoundedRect(columns[i] - 1.5f, tops[i], columns[i] + 1.5f, tops[i] + 9.f, 1.5f);
        streaks.fillRect(static_cast<int>(columns[i]) - 1, static_cast<int>(tops[i]) + 11,
                         static_cast<int>(columns[i]), static_cast<int>(tops[i]) + 14);
        streaks.fillRect(static_cast<int>(columns[i]) - 1, static_cast<int>(tops[i]) + 16,
                         static_cast<int>(columns[i]), static_cast<int>(tops[i]) + 18);
    }
    art.paint(shots.dilated(1.f), Outline);
    art.paint(streaks, mix(NeonMagenta, White, 0.3f));
    art.paint(shots, NeonYellow);
    Mask tips(s, s);
    for (int i = 0; i < 3; ++i)
        tips.fillRect(static_cast<int>(columns[i]) - 1, static_cast<int>(tops[i]) + 1,
                      static_cast<int>(columns[i]), static_cast<int>(tops[i]) + 4);
    art.paint(tips, White);
    return art;
}

Canvas boltArt()
{
    const int s = 36;
    Canvas art = badge(s, NeonCyan);
    Mask bolt(s, s);
    bolt.fillPolygon({{21, 5}, {11, 20}, {17, 20}, {14, 31}, {25, 15}, {19, 15}, {23, 5}});
    art.paint(bolt.dilated(1.f), Outline);
    paintBevelled(art, bolt, {rgb(0xc77a12), rgb(0xffc531), rgb(0xffe45a), rgb(0xfff6c0)}, 1.5f);
    return art;
}

sf::Image wallImage()
{
    sf::Image image;
    image.create(3840, 64, sf::Color(255, 48, 71));
    return image;
}

} // namespace media
