#pragma once

// Where each media file lives, relative to the working directory. The game,
// the media generator and the tests all read these names from here.
namespace MediaFiles
{
constexpr const char* Galaxy = "Media/Textures/galaxy_X.png";
constexpr const char* Beam = "Media/Textures/beam.png";
constexpr const char* EnemyShot = "Media/Textures/EnemyShot.png";
constexpr const char* EnemyA = "Media/Textures/EnemyA.png";
constexpr const char* EnemyB = "Media/Textures/EnemyB.png";
constexpr const char* EnemyC = "Media/Textures/EnemyC.png";
constexpr const char* PlayerShip = "Media/Textures/playerShip.png";
constexpr const char* Wall = "Media/Textures/Wall.png";
constexpr const char* AddShip = "Media/Textures/AddShip.png";
constexpr const char* BulletSpeed = "Media/Textures/BulletSpeed.png";
constexpr const char* Bolt = "Media/Textures/bolt.png";
constexpr const char* BossA = "Media/Textures/BossA.png";
constexpr const char* LoseScreen = "Media/Textures/LoseScreen/LoseScreen.jpg";
constexpr const char* LoadScreenNeutral = "Media/Textures/Menu/LoadScreenNeutral.jpg";
constexpr const char* LoadScreenPlay = "Media/Textures/Menu/LoadScreenPlay.jpg";
constexpr const char* LoadScreenExit = "Media/Textures/Menu/LoadScreenExit.jpg";
constexpr const char* OptionsLit = "Media/Textures/Menu/OptionsLit.png";
constexpr const char* WindowIcon = "Media/Textures/icon.png";

constexpr const char* Explosion = "Media/SoundBuffers/explosion.wav";
constexpr const char* Lose = "Media/SoundBuffers/Lose.flac";
constexpr const char* Lose2 = "Media/SoundBuffers/Lose2.wav";
constexpr const char* Laser = "Media/SoundBuffers/laser.wav";
constexpr const char* PowerUp = "Media/SoundBuffers/powerUp.wav";
constexpr const char* Hover = "Media/SoundBuffers/Hover.wav";
constexpr const char* Hit = "Media/SoundBuffers/hit.wav";
constexpr const char* MenuSong = "Media/SoundBuffers/MenuBackgroundSong.ogg";

constexpr const char* DigitalTech = "Media/Fonts/Digital_tech.otf";
} // namespace MediaFiles
