#pragma once

// Collision category of a scene node; the collision rules match on pairs of these.
namespace Category
{
enum Type
{
    Enemy = 0,
    PlayerMissile = 1,
    EnemyMissile = 2,
    Player = 3,
    ExtraShipPowerUp = 4,
    FireRatePowerUp = 5,
    SpeedPowerUp = 6,
    Wall = 7,
};
}
