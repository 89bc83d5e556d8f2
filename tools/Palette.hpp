#pragma once

#include "Color.hpp"
#include "Shading.hpp"

// One palette for every picture of the game: neon on deep space.
namespace media::palette
{

inline const Color Outline = rgb(0x07030f);
inline const Color SpaceDeep = rgb(0x05030d);
inline const Color SpaceIndigo = rgb(0x140a34);
inline const Color NebulaViolet = rgb(0x5a1fb0);
inline const Color NebulaMagenta = rgb(0xd8267c);
inline const Color NebulaTeal = rgb(0x0f8fa8);

inline const Color NeonCyan = rgb(0x22eaff);
inline const Color NeonMagenta = rgb(0xff2fa8);
inline const Color NeonYellow = rgb(0xffe45a);
inline const Color NeonOrange = rgb(0xff8a2a);
inline const Color NeonLime = rgb(0x9dff4a);
inline const Color NeonRed = rgb(0xff3047);
inline const Color White = rgb(0xffffff);

inline const Ramp PlayerHull = {rgb(0x1c2347), rgb(0x3b4a80), rgb(0x6f88c4), rgb(0xb6caf2),
                                rgb(0xf0f6ff)};
inline const Ramp PlayerWing = {rgb(0x141a38), rgb(0x2a3668), rgb(0x4d65a8), rgb(0x8aa4e0)};
inline const Ramp Gunmetal = {rgb(0x10121c), rgb(0x262a3c), rgb(0x454c66), rgb(0x747d9c)};
inline const Ramp Glass = {rgb(0x06304a), rgb(0x0f78a8), rgb(0x35c8f0), rgb(0xb4f6ff)};

inline const Ramp EnemyMagenta = {rgb(0x34072a), rgb(0x73124f), rgb(0xbb2783), rgb(0xf45ab4),
                                  rgb(0xffbde3)};
inline const Ramp EnemyLime = {rgb(0x0b2610), rgb(0x1b561f), rgb(0x379d32), rgb(0x84dc45),
                               rgb(0xd8ff98)};
inline const Ramp EnemyAmber = {rgb(0x361403), rgb(0x763007), rgb(0xc25f0d), rgb(0xfba226),
                                rgb(0xffe08a)};
inline const Ramp BossPlate = {rgb(0x0f0f1a), rgb(0x24263a), rgb(0x3e4260), rgb(0x646c92),
                               rgb(0xa6aed0)};
inline const Ramp BossArmour = {rgb(0x2a040c), rgb(0x5e0a1c), rgb(0xa01632), rgb(0xe8324e),
                                rgb(0xff9aa8)};

} // namespace media::palette
