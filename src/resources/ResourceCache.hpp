#pragma once

#include "resources/ResourceIdentifiers.hpp"
#include "resources/ScreenMedia.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/NonCopyable.hpp>

#include <map>
#include <memory>
#include <ostream>
#include <string>

// Owns a screen's media. Objects never move once loaded, so the references
// handed out by get() stay valid for the cache's whole life. A failed load
// is reported on the console and still stores an empty object: play goes on
// without that picture, sound or text.
class ResourceCache : private sf::NonCopyable
{
public:
    void load(Textures::ID id, const std::string& filename);
    void load(SoundBuffers::ID id, const std::string& filename);
    void load(Music::ID id, const std::string& filename);
    void load(Fonts::ID id, const std::string& filename);
    // Every file of the kind that the screen loads, in its order.
    void load(ScreenMedia::Screen screen, ScreenMedia::Kind kind);

    sf::Texture& get(Textures::ID id);
    sf::SoundBuffer& get(SoundBuffers::ID id);
    sf::Music& get(Music::ID id);
    sf::Font& get(Fonts::ID id);

    // Opens a song to stream through the checks every sound passes first; a
    // screen that streams its own song opens it here too.
    static bool openSong(sf::Music& music, const std::string& filename);

    // The console line of one load.
    static void report(std::ostream& out, const std::string& filename, bool loaded);

private:
    std::map<Textures::ID, std::unique_ptr<sf::Texture>> mTextures;
    std::map<SoundBuffers::ID, std::unique_ptr<sf::SoundBuffer>> mSoundBuffers;
    std::map<Music::ID, std::unique_ptr<sf::Music>> mMusic;
    std::map<Fonts::ID, std::unique_ptr<sf::Font>> mFonts;
};
