#include "scene/Entity.hpp"

Entity::Entity(sf::Vector2f velocity) : mVelocity(velocity) {}

Entity::~Entity() = default;
