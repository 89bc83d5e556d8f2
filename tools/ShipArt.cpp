#include "ShipArt.hpp"

#include "Mask.hpp"
#include "Palette.hpp"
#include "Shading.hpp"

namespace media
{
namespace
{
using namespace palette;

// Exhaust pointing along +y (down) or -y (up) from the given nozzle mask.
void exhaust(Canvas& art, const Mask& flame, const Mask& core, Color outer, Color inner)
{
    glow(art, flame, outer, 2, 1.2f);
    art.paint(flame, withAlpha(outer, 0.9f));
    art.paint(core, inner);
}

Canvas enemyStinger()
{
    const int s = 56;
    Canvas art(s, s);
    const Mask wings =
        symmetric(s, s, {{{32, 13}, {42, 6}, {50, 3}, {53, 6}, {47, 18}, {39, 28}, {33, 30}}});
    const Mask pincers = symmetric(
        s, s, {{{33, 25}, {40, 29}, {44, 37}, {43, 47}, {39, 53}, {39, 42}, {36, 34}, {33, 32}}});
    const Mask body = symmetric(s, s, {{{28, 2}, {31, 4}, {34, 12}, {34, 30}, {32, 42}, {28, 51}}});
    Mask eye(s, s);
    eye.fillEllipse(28.f, 35.f, 2.6f, 4.f);

    paintBevelled(art, wings, EnemyMagenta, 2.f);
    paintBevelled(art, pincers, EnemyMagenta, 1.5f);
    paintBevelled(art, body, EnemyMagenta, 3.f);
    Mask lines(s, s);
    lines.fillLine({35, 16}, {48, 7}, 1.2f);
    lines.mirrorLeftRight();
    art.paint(lines, NeonMagenta);
    art.paint(eye, NeonYellow);
    outline(art, Outline);
    glow(art, eye, NeonYellow, 1, 0.6f);

    Mask flame = symmetric(s, s, {{{29, 2}, {32, 2}, {31, 0}, {29, 0}}});
    Mask core = symmetric(s, s, {{{28, 1}, {30, 1}, {30, 0}, {28, 0}}});
    exhaust(art, flame, core, NeonMagenta, White);
    return art;
}

Canvas enemyManta()
{
    const int s = 56;
    Canvas art(s, s);
    const Mask wings = symmetric(s, s,
                                 {{{28, 10},
                                   {37, 8},
                                   {46, 12},
                                   {53, 20},
                                   {54, 28},
                                   {48, 25},
                                   {42, 27},
                                   {38, 33},
                                   {34, 39},
                                   {28, 40}}});
    const Mask guns =
        symmetric(s, s, {{{39, 24}, {43, 24}, {43, 37}, {42, 40}, {40, 40}, {39, 37}}});
    const Mask body = symmetric(s, s, {{{28, 3}, {32, 5}, {34, 14}, {34, 36}, {31, 46}, {28, 48}}});
    Mask visor(s, s);
    visor.fillEllipse(28.f, 30.f, 4.5f, 2.2f);

    paintBevelled(art, guns, Gunmetal, 1.5f);
    paintBevelled(art, wings, EnemyLime, 2.5f);
    paintBevelled(art, body, EnemyLime, 3.f);
    Mask lines(s, s);
    lines.fillLine({36, 12}, {51, 22}, 1.2f);
    lines.mirrorLeftRight();
    art.paint(lines, NeonLime);
    art.paint(visor, NeonRed);
    outline(art, Outline);
    glow(art, visor, NeonRed, 1, 0.7f);

    Mask flame = symmetric(s, s, {{{29, 4}, {32, 4}, {31, 0}, {29, 0}}});
    Mask core = symmetric(s, s, {{{28, 3}, {30, 3}, {30, 1}, {28, 1}}});
    exhaust(art, flame, core, NeonLime, White);
    return art;
}

Canvas enemyBulwark()
{
    const int s = 56;
    Canvas art(s, s);
    Mask hull(s, s);
    hull.fillEllipse(28.f, 24.f, 19.f, 16.f);
    const Mask fins = symmetric(s, s, {{{44, 12}, {53, 17}, {53, 33}, {45, 36}}});
    const Mask cannons =
        symmetric(s, s, {{{35, 32}, {41, 32}, {41, 50}, {40, 52}, {36, 52}, {35, 50}}});
    const Mask engines = symmetric(s, s, {{{32, 4}, {38, 4}, {38, 12}, {32, 12}}});
    Mask plate(s, s);
    plate.fillEllipse(28.f, 27.f, 11.f, 10.f);
    Mask core(s, s);
    core.fillEllipse(28.f, 27.f, 4.5f, 4.5f);

    paintBevelled(art, engines, Gunmetal, 1.5f);
    paintBevelled(art, fins, EnemyAmber, 2.f);
    paintBevelled(art, cannons, Gunmetal, 2.f);
    paintBevelled(art, hull, EnemyAmber, 4.f);
    paintBevelled(art, plate, {EnemyAmber[0], EnemyAmber[1], EnemyAmber[2], EnemyAmber[3]}, 2.f);
    art.paint(core, NeonCyan);
    Mask muzzles = symmetric(s, s, {{{36, 50}, {40, 50}, {40, 52}, {36, 52}}});
    art.paint(muzzles, NeonOrange);
    outline(art, Outline);
    glow(art, core, NeonCyan, 2, 0.8f);

    Mask flame = symmetric(s, s, {{{33, 4}, {37, 4}, {36, 0}, {34, 0}}});
    Mask flameCore = symmetric(s, s, {{{34, 3}, {36, 3}, {35, 1}}});
    exhaust(art, flame, flameCore, NeonOrange, NeonYellow);
    return art;
}
} // namespace

Canvas playerShipArt()
{
    const int s = 64;
    Canvas art(s, s);
    const Mask wings =
        symmetric(s, s, {{{37, 26}, {46, 35}, {58, 45}, {61, 49}, {61, 55}, {50, 54}, {38, 50}}});
    const Mask guns = symmetric(s, s, {{{56, 35}, {59, 35}, {60, 38}, {60, 51}, {56, 51}}});
    const Mask nacelles = symmetric(s, s, {{{37, 40}, {42, 40}, {43, 44}, {43, 58}, {37, 58}}});
    const Mask body = symmetric(
        s, s, {{{32, 1}, {34, 6}, {36, 14}, {37, 24}, {38, 40}, {38, 52}, {36, 57}, {32, 57}}});
    Mask cockpit(s, s);
    cockpit.fillEllipse(32.f, 22.f, 3.f, 7.f);

    paintBevelled(art, wings, PlayerWing, 2.5f);
    paintBevelled(art, guns, Gunmetal, 1.5f);
    paintBevelled(art, nacelles, Gunmetal, 2.f);
    paintBevelled(art, body, PlayerHull, 3.f);
    paintBevelled(art, cockpit, Glass, 2.f);
    Mask lines(s, s);
    lines.fillLine({39, 31}, {57, 47}, 1.2f);
    lines.mirrorLeftRight();
    art.paint(lines, NeonCyan);
    Mask muzzles = symmetric(s, s, {{{56, 35}, {60, 35}, {60, 37}, {56, 37}}});
    art.paint(muzzles, NeonCyan);
    outline(art, Outline);
    glow(art, muzzles, NeonCyan, 1, 0.5f);

    Mask flame = symmetric(s, s, {{{38, 59}, {42, 59}, {41, 62}, {40, 64}, {39, 62}}});
    Mask core = symmetric(s, s, {{{39, 59}, {41, 59}, {40, 62}}});
    exhaust(art, flame, core, NeonOrange, NeonYellow);
    return art;
}

Canvas enemyArt(int kind)
{
    switch (kind)
    {
    case 0:
        return enemyStinger();
    case 1:
        return enemyManta();
    default:
        return enemyBulwark();
    }
}

// Drawn at half the texture's size and doubled: the game shows the boss at 1.5 times its
// texture, so each art pixel then covers exactly 3 x 3 screen pixels.
Canvas bossArt()
{
    const int w = 64, h = 47;
    Canvas art(w, h);
    const Mask wings = symmetric(w, h,
                                 {{{42, 10},
                                   {52, 6.5f},
                                   {60.5f, 10.5f},
                                   {63, 20},
                                   {59.5f, 28.5f},
                                   {52.5f, 26},
                                   {46.5f, 30},
                                   {43, 25}}});
    const Mask spikes =
        symmetric(w, h, {{{51.5f, 25}, {55, 36}, {57, 26}}, {{57.5f, 27}, {61, 34}, {62, 22}}});
    const Mask cannons =
        symmetric(w, h, {{{47.5f, 24}, {51, 24}, {51, 36}, {49.5f, 38.5f}, {47.5f, 36}}});
    const Mask hull =
        symmetric(w, h, {{{32, 2.5f}, {38, 4}, {43, 9}, {45, 20}, {42, 31}, {37, 39}, {32, 43}}});
    const Mask armour =
        symmetric(w, h, {{{38.5f, 12}, {44, 16.5f}, {43, 26}, {38, 31.5f}, {36, 23.5f}}});
    const Mask brow = symmetric(w, h, {{{32, 18}, {36, 19}, {39, 22}, {36.5f, 22}, {32, 20.5f}}});
    const Mask engines = symmetric(
        w, h, {{{34, 0.5f}, {38, 0.5f}, {39, 5}, {33, 5}}, {{44, 5}, {48, 5}, {48, 9}, {44, 9}}});
    const Mask noseGun = symmetric(w, h, {{{32, 38}, {34, 38}, {34, 45}, {32, 46}}});
    Mask eye(w, h);
    eye.fillEllipse(32.f, 25.5f, 4.5f, 3.5f);
    Mask pupil(w, h);
    pupil.fillEllipse(32.f, 25.5f, 1.f, 3.f);

    paintBevelled(art, engines, Gunmetal, 1.f);
    paintBevelled(art, spikes, BossArmour, 1.f);
    paintBevelled(art, cannons, Gunmetal, 1.f);
    paintBevelled(art, noseGun, Gunmetal, 1.f);
    paintBevelled(art, wings, BossPlate, 2.f);
    paintBevelled(art, hull, BossPlate, 3.f);
    paintBevelled(art, armour, BossArmour, 1.5f);

    // Seams, vents and running lights: detail that reads at three screen pixels an art pixel.
    Mask seams(w, h);
    seams.fillLine({32, 4}, {32, 18}, 1.f);
    seams.fillLine({32, 31}, {32, 38}, 1.f);
    seams.fillLine({33, 10}, {42, 12}, 1.f);
    seams.fillLine({35, 34}, {41, 30}, 1.f);
    seams.fillLine({47, 13}, {48, 26}, 1.f);
    seams.mirrorLeftRight();
    art.paint(seams, BossPlate[1]);
    Mask vents(w, h);
    for (int i = 0; i < 3; ++i)
        vents.fillRect(51 + 2 * i, 15, 52 + 2 * i, 20 - i);
    vents.mirrorLeftRight();
    art.paint(vents, Outline);
    Mask ventGlow(w, h);
    for (int i = 0; i < 3; ++i)
        ventGlow.fillRect(51 + 2 * i, 17, 52 + 2 * i, 20 - i);
    ventGlow.mirrorLeftRight();
    art.paint(ventGlow, NeonOrange);
    Mask lines(w, h);
    lines.fillLine({44, 10.5f}, {58, 11.5f}, 1.f);
    lines.fillLine({46, 28}, {52, 25}, 1.f);
    lines.mirrorLeftRight();
    art.paint(lines, NeonMagenta);
    Mask lights(w, h);
    lights.fillRect(61, 19, 62, 20);
    lights.fillRect(54, 8, 55, 9);
    lights.fillRect(39, 7, 40, 8);
    lights.mirrorLeftRight();
    art.paint(lights, NeonRed);
    paintBevelled(art, brow, BossArmour, 1.f);
    art.paint(eye, NeonRed);
    Mask iris(w, h);
    iris.fillEllipse(32.f, 25.f, 3.f, 2.f);
    art.paint(iris, mix(NeonRed, NeonYellow, 0.45f));
    art.paint(pupil, Outline);
    Mask muzzles = symmetric(
        w, h, {{{48, 36}, {51, 36}, {49.5f, 38.5f}}, {{32, 44}, {34, 44}, {34, 45}, {32, 46}}});
    art.paint(muzzles, NeonOrange);
    outline(art, Outline);
    glow(art, eye, NeonRed, 2, 0.8f);
    glow(art, ventGlow, NeonOrange, 1, 0.6f);

    const Mask flame = symmetric(w, h, {{{34, 1}, {38, 1}, {37, 0}, {35, 0}}});
    Mask core(w, h);
    core.fillRect(35, 0, 36, 1);
    core.mirrorLeftRight();
    exhaust(art, flame, core, NeonMagenta, White);
    return art;
}

} // namespace media
