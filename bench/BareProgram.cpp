// The least an SFML program needs to do what one cycle of the game shows: the
// same window with its icon, the same media files, and the three pictures (the
// menu's with a line of the font, as the game labels its Options button). The side-by-side
// figures hold the game's start-up time and peak memory against this.
//   vantorix_bare
// Shows the menu's neutral image (its song playing) until a mouse button is
// pressed, then loads the play screen's files and draws each of its textures,
// then loads the game-over screen's files and shows its image until the window
// is closed. Every file stays loaded to the end, as the game keeps a cycle's
// three screens until the cycle ends.
#include "resources/MediaFiles.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <initializer_list>
#include <list>

namespace
{
// std::list: SFML objects must not move once a sprite or a sound points at them.
std::list<sf::Texture> gTextures;
std::list<sf::SoundBuffer> gSounds;

const sf::Texture& loadTexture(const char* file)
{
    gTextures.emplace_back().loadFromFile(file);
    return gTextures.back();
}

void loadSounds(std::initializer_list<const char*> files)
{
    for (const char* file : files)
        gSounds.emplace_back().loadFromFile(file);
}

void show(sf::RenderWindow& window, const sf::Texture& picture, const sf::Text* label = nullptr)
{
    window.clear(sf::Color::Black);
    window.draw(sf::Sprite(picture));
    if (label)
        window.draw(*label);
    window.display();
}

// Blocks until the wanted event; false if the window was closed instead.
bool waitFor(sf::RenderWindow& window, sf::Event::EventType wanted)
{
    sf::Event event;
    while (window.waitEvent(event))
    {
        if (event.type == sf::Event::Closed)
        {
            window.close();
            return false;
        }
        if (event.type == wanted)
            return true;
    }
    return false;
}
} // namespace

int main()
{
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    sf::Image icon;
    if (icon.loadFromFile(MediaFiles::WindowIcon))
        window.setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
    sf::Font font;
    font.loadFromFile(MediaFiles::DigitalTech);

    const sf::Texture& neutral = loadTexture(MediaFiles::LoadScreenNeutral);
    loadTexture(MediaFiles::LoadScreenPlay);
    loadTexture(MediaFiles::LoadScreenExit);
    loadSounds({MediaFiles::Hover});
    sf::Music song;
    song.openFromFile(MediaFiles::MenuSong);
    song.setLoop(true);
    song.play();
    const sf::Text options("OPTIONS", font, 16);
    show(window, neutral, &options);
    if (!waitFor(window, sf::Event::MouseButtonPressed))
        return 0;
    song.stop();

    window.clear(sf::Color::Black);
    for (const char* file :
         {MediaFiles::PlayerShip, MediaFiles::EnemyA, MediaFiles::EnemyB, MediaFiles::EnemyC,
          MediaFiles::BossA, MediaFiles::Bolt, MediaFiles::AddShip, MediaFiles::BulletSpeed,
          MediaFiles::Beam, MediaFiles::Galaxy, MediaFiles::Wall})
        window.draw(sf::Sprite(loadTexture(file)));
    loadSounds({MediaFiles::Laser, MediaFiles::Explosion, MediaFiles::PowerUp});
    window.draw(sf::Text("Level 1", font, 20));
    window.display();

    const sf::Texture& gameOver = loadTexture(MediaFiles::LoseScreen);
    loadSounds({MediaFiles::Lose, MediaFiles::Lose2});
    show(window, gameOver);
    waitFor(window, sf::Event::Closed);
    return 0;
}
