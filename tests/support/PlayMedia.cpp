#include "support/PlayMedia.hpp"

#include "resources/MediaFiles.hpp"
#include "support/WorkingDirectory.hpp"

void PlayMedia::loadInto(ResourceCache& cache)
{
    ScopedWorkingDirectory inMediaParent(TestFolders::withMedia());

    cache.load(Textures::PlayerShip, MediaFiles::PlayerShip);
    cache.load(Textures::EnemyA, MediaFiles::EnemyA);
    cache.load(Textures::EnemyB, MediaFiles::EnemyB);
    cache.load(Textures::EnemyC, MediaFiles::EnemyC);
    cache.load(Textures::BossA, MediaFiles::BossA);
    cache.load(Textures::Bolt, MediaFiles::Bolt);
    cache.load(Textures::AddShip, MediaFiles::AddShip);
    cache.load(Textures::BulletSpeed, MediaFiles::BulletSpeed);
    cache.load(Textures::Beam, MediaFiles::Beam);
    cache.load(Textures::Galaxy, MediaFiles::Galaxy);
    cache.load(Textures::Wall, MediaFiles::Wall);
    cache.load(SoundBuffers::Laser, MediaFiles::Laser);
    cache.load(SoundBuffers::Explosion, MediaFiles::Explosion);
    cache.load(SoundBuffers::PowerUp, MediaFiles::PowerUp);
    cache.load(Fonts::DigitalTech, MediaFiles::DigitalTech);
}
