#include "resources/MediaAudit.hpp"

#include "resources/MediaGate.hpp"
#include "resources/ResourceCache.hpp"
#include "resources/ScreenMedia.hpp"

namespace
{
MediaTrial::Kind trialOf(ScreenMedia::Kind kind)
{
    switch (kind)
    {
    case ScreenMedia::Kind::Texture:
    case ScreenMedia::Kind::QuietImage:
        break;
    case ScreenMedia::Kind::SoundBuffer:
    case ScreenMedia::Kind::QuietSound:
        return MediaTrial::Kind::SoundBuffer;
    case ScreenMedia::Kind::Song:
        return MediaTrial::Kind::Song;
    case ScreenMedia::Kind::Font:
        return MediaTrial::Kind::Font;
    }
    return MediaTrial::Kind::Image;
}
} // namespace

// The game decodes a file only once its verdict is good, and the verdict's
// trial is the game's own decoding: only the graphics driver, absent here,
// could still refuse a picture as a texture.
bool MediaAudit::loads(const ScreenMedia::File& file)
{
    return MediaGate::admits(trialOf(file.kind), file.name);
}

bool MediaAudit::checkAll(std::ostream& out)
{
    bool all = true;
    for (const auto screen : {ScreenMedia::Screen::Play, ScreenMedia::Screen::Menu,
                              ScreenMedia::Screen::GameOver, ScreenMedia::Screen::Window})
    {
        for (const ScreenMedia::File& file : ScreenMedia::of(screen))
        {
            const bool loaded = loads(file);
            ResourceCache::report(out, file.name, loaded);
            all = all && loaded;
        }
    }
    return all;
}
