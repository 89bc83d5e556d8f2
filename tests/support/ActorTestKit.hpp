#pragma once

#include "resources/ResourceCache.hpp"
#include "scene/SceneNode.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstddef>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// Media made for the actor tests: plain images of known sizes and long silent
// sounds (long enough to still be playing when a test asks), so the tests do
// not depend on the generated art.
class ActorMedia
{
public:
    ActorMedia()
    {
        TestWindow::shared(); // textures want a GL context
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() /
            ("vantorix-actors-" + std::to_string(::getpid()) + "-" + std::to_string(sCounter++));
        std::filesystem::create_directories(folder);

        std::ostringstream quiet; // the cache's load lines would only clutter the test log
        std::streambuf* console = std::cout.rdbuf(quiet.rdbuf());
        for (const Picture& picture : pictures())
        {
            sf::Image image;
            image.create(picture.width, picture.height, sf::Color::White);
            const std::string path = (folder / (std::to_string(picture.id) + ".png")).string();
            image.saveToFile(path);
            mCache.load(picture.id, path);
        }
        for (SoundBuffers::ID id : {SoundBuffers::Laser, SoundBuffers::PowerUp})
        {
            const std::string path = (folder / (std::to_string(id) + ".wav")).string();
            {
                sf::OutputSoundFile file;
                file.openFromFile(path, 44100, 1);
                const std::vector<sf::Int16> silence(44100 * 5, 0);
                file.write(silence.data(), silence.size());
            }
            mCache.load(id, path);
        }
        std::cout.rdbuf(console);
        std::filesystem::remove_all(folder);
    }

    ResourceCache* cache() { return &mCache; }
    sf::RenderWindow* window() { return &TestWindow::shared(); }
    sf::Vector2f textureSize(Textures::ID id) { return sf::Vector2f(mCache.get(id).getSize()); }

private:
    struct Picture
    {
        Textures::ID id;
        unsigned int width;
        unsigned int height;
    };

    // Sides differ, so that a swapped width and height shows.
    static std::vector<Picture> pictures()
    {
        return {
            {Textures::PlayerShip, 200, 100}, {Textures::Beam, 8, 30},
            {Textures::EnemyA, 100, 80},      {Textures::EnemyB, 120, 90},
            {Textures::EnemyC, 110, 100},     {Textures::BossA, 100, 60},
            {Textures::Wall, 1000, 40},       {Textures::AddShip, 200, 300},
            {Textures::BulletSpeed, 40, 30},  {Textures::Bolt, 30, 50},
        };
    }

    static inline int sCounter = 0;
    ResourceCache mCache;
};

// An actor with its protected node state opened up for inspection.
template <typename Node> class Inspectable : public Node
{
public:
    using Node::Node;

    std::size_t childCount() const { return this->mChildren.size(); }
    SceneNode& child(std::size_t index) const { return *this->mChildren[index]; }
    const sf::Sprite& sprite() const { return this->mSprite; }
};

template <typename Node> Node* attachTo(SceneNode& parent, std::unique_ptr<Node> child)
{
    Node* raw = child.get();
    parent.attachChild(std::move(child));
    return raw;
}
