#include "presentation/ShotLook.hpp"

#include "resources/MediaCheck.hpp"
#include "resources/MediaFiles.hpp"
#include "resources/ResourceCache.hpp"

void ShotLook::open(ResourceCache& resources)
{
    mShapeFits = MediaCheck::isImageWithin(MediaFiles::EnemyShot) &&
                 mShape.loadFromFile(MediaFiles::EnemyShot) &&
                 mShape.getSize() == resources.get(Textures::Beam).getSize();
    choose(resources, false);
}

void ShotLook::choose(ResourceCache& resources, bool shapes)
{
    resources.make(Textures::EnemyShot) =
        shapes && mShapeFits ? mShape : resources.get(Textures::Beam);
}
