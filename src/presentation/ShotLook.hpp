#pragma once

#include <SFML/Graphics/Texture.hpp>

class ResourceCache;

// The picture the enemies' shots are drawn with, which the play screen's cache holds for
// them under Textures::EnemyShot: the beam the ships fire, or, when the player chose shot
// shapes, a shape of their own, made by the media generator and opened quietly, so that
// the play screen's loading lines stay as they are. A shape that does not open, or that
// is not the beam's size (the shot's bounds are the beam's), leaves the beam.
class ShotLook
{
public:
    // After the beam has loaded into the cache.
    void open(ResourceCache& resources);
    void choose(ResourceCache& resources, bool shapes);

private:
    sf::Texture mShape;
    bool mShapeFits = false;
};
