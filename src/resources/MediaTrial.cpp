#include "resources/MediaTrial.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

#include <array>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace
{
bool decodesImage(const std::string& filename)
{
    sf::Image image;
    return image.loadFromFile(filename) && image.getSize().x > 0 && image.getSize().y > 0;
}

// What sf::SoundBuffer::loadFromFile does: room for every sample the header
// claims, then all of them read.
bool decodesWhole(const std::string& filename)
{
    sf::InputSoundFile sound;
    if (!sound.openFromFile(filename) || sound.getChannelCount() == 0 || sound.getSampleRate() == 0)
        return false;
    const std::uint64_t count = sound.getSampleCount();
    if (count == 0 || count % sound.getChannelCount() != 0)
        return false;
    std::vector<sf::Int16> samples(static_cast<std::size_t>(count));
    return sound.read(samples.data(), count) == count;
}

// What sf::Music does: a buffer of a second, filled again and again to the
// end, then back to the start for the next loop. OpenAL takes each buffer only
// in whole frames.
bool streamsWhole(const std::string& filename)
{
    sf::InputSoundFile song;
    if (!song.openFromFile(filename) || song.getChannelCount() == 0 || song.getSampleRate() == 0)
        return false;
    const unsigned int channels = song.getChannelCount();
    std::vector<sf::Int16> second(static_cast<std::size_t>(song.getSampleRate()) * channels);
    std::uint64_t total = 0;
    for (std::uint64_t read; (read = song.read(second.data(), second.size())) > 0; total += read)
        if (read % channels != 0)
            return false;
    song.seek(sf::Uint64(0));
    const std::uint64_t again = song.read(second.data(), second.size());
    return total > 0 && again > 0 && again % channels == 0;
}

// The sizes the game's texts are drawn at (the bonuses' counts, the level, the
// record, the notices and the options' button, the menus' tables and entries,
// the game-over caption, the banner and the pause title), and the thickness
// of the outline some of them have.
constexpr std::array<unsigned int, 8> TextSizes = {18, 20, 22, 24, 28, 34, 40, 80};
constexpr float OutlineThickness = 2.f;
// No glyph of a sane font is larger than this many times its size; the game's
// font keeps within 1.2.
constexpr unsigned int MostGlyphSpan = 4;

// Every character the game writes: printable ASCII, the middle dot of the
// game-over caption and the multiplication sign of the bonuses' counts.
std::vector<FT_ULong> gameCharacters()
{
    std::vector<FT_ULong> characters = {0xB7, 0xD7};
    for (FT_ULong c = 0x20; c < 0x7F; ++c)
        characters.push_back(c);
    return characters;
}

struct FreeTypeDone
{
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
    void operator()(FT_Face face) const { FT_Done_Face(face); }
    void operator()(FT_Stroker stroker) const { FT_Stroker_Done(stroker); }
    void operator()(FT_Glyph glyph) const { FT_Done_Glyph(glyph); }
};
template <typename Handle>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, FreeTypeDone>;

// One glyph as sf::Font::loadGlyph makes it: loaded auto-hinted, stroked when
// outlined, rasterised; its bitmap's size is what sf::Font allocates.
bool rendersGlyph(FT_Face face, FT_Stroker stroker, FT_ULong character, unsigned int size,
                  float outline)
{
    const FT_Int32 flags =
        FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT | (outline != 0.f ? FT_LOAD_NO_BITMAP : 0);
    FT_Glyph loaded = nullptr;
    if (FT_Load_Char(face, character, flags) != 0 || FT_Get_Glyph(face->glyph, &loaded) != 0)
        return false;
    Owned<FT_Glyph> glyph(loaded);
    if (outline != 0.f && glyph->format == FT_GLYPH_FORMAT_OUTLINE)
    {
        FT_Stroker_Set(stroker, static_cast<FT_Fixed>(outline * 64), FT_STROKER_LINECAP_ROUND,
                       FT_STROKER_LINEJOIN_ROUND, 0);
        FT_Glyph stroked = glyph.release();
        const FT_Error error = FT_Glyph_Stroke(&stroked, stroker, 1);
        glyph.reset(stroked);
        if (error != 0)
            return false;
    }
    FT_Glyph bitmap = glyph.release();
    const FT_Error error = FT_Glyph_To_Bitmap(&bitmap, FT_RENDER_MODE_NORMAL, nullptr, 1);
    glyph.reset(bitmap);
    if (error != 0)
        return false;
    const FT_Bitmap& pixels = reinterpret_cast<FT_BitmapGlyph>(bitmap)->bitmap;
    const unsigned int most = MostGlyphSpan * size + 2 * static_cast<unsigned int>(outline);
    return pixels.width <= most && pixels.rows <= most;
}

bool rendersTheGameTexts(const std::string& filename)
{
    FT_Library libraryHandle = nullptr;
    if (FT_Init_FreeType(&libraryHandle) != 0)
        return false;
    const Owned<FT_Library> library(libraryHandle);
    FT_Face faceHandle = nullptr;
    if (FT_New_Face(library.get(), filename.c_str(), 0, &faceHandle) != 0)
        return false;
    const Owned<FT_Face> face(faceHandle);
    FT_Stroker strokerHandle = nullptr;
    if (FT_Stroker_New(library.get(), &strokerHandle) != 0)
        return false;
    const Owned<FT_Stroker> stroker(strokerHandle);
    // sf::Font refuses a face without a Unicode map.
    if (FT_Select_Charmap(face.get(), FT_ENCODING_UNICODE) != 0)
        return false;
    const std::vector<FT_ULong> characters = gameCharacters();
    for (const unsigned int size : TextSizes)
    {
        if (FT_Set_Pixel_Sizes(face.get(), 0, size) != 0)
            return false;
        for (const FT_ULong character : characters)
            for (const float outline : {0.f, OutlineThickness})
                if (!rendersGlyph(face.get(), stroker.get(), character, size, outline))
                    return false;
    }
    return true;
}
} // namespace

const char* MediaTrial::nameOf(Kind kind)
{
    switch (kind)
    {
    case Kind::Image:
        return "image";
    case Kind::SoundBuffer:
        return "sound";
    case Kind::Song:
        return "song";
    case Kind::Font:
        return "font";
    }
    return "unknown";
}

bool MediaTrial::passes(Kind kind, const std::string& filename)
{
    switch (kind)
    {
    case Kind::Image:
        return decodesImage(filename);
    case Kind::SoundBuffer:
        return decodesWhole(filename);
    case Kind::Song:
        return streamsWhole(filename);
    case Kind::Font:
        return rendersTheGameTexts(filename);
    }
    return false;
}
