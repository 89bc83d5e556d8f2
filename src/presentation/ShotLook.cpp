#include "presentation/ShotLook.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/MediaGate.hpp"
#include "resources/ResourceCache.hpp"

void ShotLook::open(ResourceCache& resources)
{
    mShapeFits = MediaGate::open(mShape, MediaFiles::EnemyShot) &&
                 mShape.getSize() == resources.get(Textures::Beam).getSize();
    choose(resources, false);
}

void ShotLook::choose(ResourceCache& resources, bool shapes)
{
    resources.make(Textures::EnemyShot) =
        shapes && mShapeFits ? mShape : resources.get(Textures::Beam);
}
