#include "resources/ResourceCache.hpp"

#include "resources/MediaGate.hpp"

#include <cassert>
#include <iostream>

namespace
{
// Every kind loads the same way: a fresh object, one console line, then
// into the table whatever the outcome. The first object stored under an id
// wins; a later one is dropped silently.
template <typename Id, typename Resource, typename Open>
void loadInto(std::map<Id, std::unique_ptr<Resource>>& table, Id id, const std::string& filename,
              Open open)
{
    auto resource = std::make_unique<Resource>();
    ResourceCache::report(std::cout, filename, open(*resource));
    table.emplace(id, std::move(resource));
}

template <typename Id, typename Resource>
Resource& lookUp(const std::map<Id, std::unique_ptr<Resource>>& table, Id id)
{
    auto found = table.find(id);
    assert(found != table.end() && "resource asked for before it was loaded");
    return *found->second;
}
} // namespace

void ResourceCache::report(std::ostream& out, const std::string& filename, bool loaded)
{
    out << filename << (loaded ? " SUCCESFULLY loaded!" : " failed to load") << std::endl;
}

void ResourceCache::load(ScreenMedia::Screen screen, ScreenMedia::Kind kind)
{
    for (const ScreenMedia::File& file : ScreenMedia::of(screen))
    {
        if (file.kind != kind)
            continue;
        switch (kind)
        {
        case ScreenMedia::Kind::Texture:
            load(static_cast<Textures::ID>(file.id), file.name);
            break;
        case ScreenMedia::Kind::SoundBuffer:
            load(static_cast<SoundBuffers::ID>(file.id), file.name);
            break;
        case ScreenMedia::Kind::Font:
            load(static_cast<Fonts::ID>(file.id), file.name);
            break;
        case ScreenMedia::Kind::Song:
        case ScreenMedia::Kind::QuietSound:
        case ScreenMedia::Kind::QuietImage:
            break;
        }
    }
}

void ResourceCache::load(Textures::ID id, const std::string& filename)
{
    loadInto(mTextures, id, filename,
             [&](sf::Texture& texture) { return MediaGate::open(texture, filename); });
}

void ResourceCache::load(SoundBuffers::ID id, const std::string& filename)
{
    loadInto(mSoundBuffers, id, filename,
             [&](sf::SoundBuffer& buffer) { return MediaGate::open(buffer, filename); });
}

void ResourceCache::load(Music::ID id, const std::string& filename)
{
    loadInto(mMusic, id, filename, [&](sf::Music& music) { return openSong(music, filename); });
}

bool ResourceCache::openSong(sf::Music& music, const std::string& filename)
{
    return MediaGate::open(music, filename);
}

void ResourceCache::load(Fonts::ID id, const std::string& filename)
{
    loadInto(mFonts, id, filename, [&](sf::Font& font) { return MediaGate::open(font, filename); });
}

sf::Texture& ResourceCache::get(Textures::ID id)
{
    return lookUp(mTextures, id);
}

sf::SoundBuffer& ResourceCache::get(SoundBuffers::ID id)
{
    return lookUp(mSoundBuffers, id);
}

sf::Music& ResourceCache::get(Music::ID id)
{
    return lookUp(mMusic, id);
}

sf::Font& ResourceCache::get(Fonts::ID id)
{
    return lookUp(mFonts, id);
}
