#pragma once

// Identifiers of every media object, kept apart from SFML so that a header
// needing only an id stays light.
namespace Textures
{
enum ID
{
    Galaxy = 0,
    Beam = 1,
    EnemyA = 2,
    EnemyB = 3,
    EnemyC = 4,
    PlayerShip = 5,
    Wall = 6,
    AddShip = 7,
    BulletSpeed = 8,
    Bolt = 9,
    BossA = 10,
    LoseScreen = 11,
    LoadScreenNeutral = 12,
    LoadScreenPlay = 13,
    LoadScreenExit = 14,
    // What the enemies' shots are drawn with; the play screen makes it, without a
    // loading line.
    EnemyShot = 15,
};
}

namespace SoundBuffers
{
enum ID
{
    Explosion = 0,
    Lose = 1,
    Lose2 = 2,
    Laser = 3,
    PowerUp = 4,
    Hover = 5,
};
}

namespace Fonts
{
enum ID
{
    DigitalTech = 0,
};
}

namespace Music
{
enum ID
{
    MenuTheme = 0,
};
}
