#include "Lettering.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace media
{
namespace
{
FT_Library library(void* handle)
{
    return static_cast<FT_Library>(handle);
}

FT_Face face(void* handle)
{
    return static_cast<FT_Face>(handle);
}
} // namespace

Lettering::Lettering(const std::string& fontPath)
{
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0)
        throw std::runtime_error("FreeType could not start");
    mLibrary = lib;
    FT_Face loaded = nullptr;
    if (FT_New_Face(lib, fontPath.c_str(), 0, &loaded) != 0)
    {
        FT_Done_FreeType(lib);
        throw std::runtime_error("cannot open font " + fontPath);
    }
    mFace = loaded;
}

Lettering::~Lettering()
{
    FT_Done_Face(face(mFace));
    FT_Done_FreeType(library(mLibrary));
}

Mask Lettering::text(const std::string& text, const Layout& layout, int width, int height,
                     float centreX, float centreY) const
{
    FT_Face f = face(mFace);
    FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(layout.pixelSize));
    FT_Matrix shear;
    shear.xx = 0x10000;
    shear.xy = static_cast<FT_Fixed>(layout.slant * 65536.f);
    shear.yx = 0;
    shear.yy = 0x10000;
    FT_Set_Transform(f, &shear, nullptr);

    struct Placed
    {
        int left;
        int top;
        int columns;
        int rows;
        std::vector<unsigned char> pixels;
    };
    std::vector<Placed> glyphs;
    float penX = 0.f;
    FT_UInt previous = 0;
    int inkLeft = std::numeric_limits<int>::max(), inkTop = inkLeft;
    int inkRight = std::numeric_limits<int>::min(), inkBottom = inkRight;
    for (char c : text)
    {
        const FT_UInt index = FT_Get_Char_Index(f, static_cast<unsigned char>(c));
        if (previous != 0 && FT_HAS_KERNING(f))
        {
            FT_Vector kerning;
            FT_Get_Kerning(f, previous, index, FT_KERNING_DEFAULT, &kerning);
            penX += static_cast<float>(kerning.x) / 64.f;
        }
        if (FT_Load_Glyph(f, index, FT_LOAD_RENDER) != 0)
            throw std::runtime_error(std::string("cannot render the letter ") + c);
        const FT_GlyphSlot slot = f->glyph;
        Placed placed;
        placed.left = static_cast<int>(std::lround(penX)) + slot->bitmap_left;
        placed.top = -slot->bitmap_top;
        placed.columns = static_cast<int>(slot->bitmap.width);
        placed.rows = static_cast<int>(slot->bitmap.rows);
        for (int row = 0; row < placed.rows; ++row)
            for (int column = 0; column < placed.columns; ++column)
                placed.pixels.push_back(slot->bitmap.buffer[row * slot->bitmap.pitch + column]);
        if (placed.columns > 0 && placed.rows > 0)
        {
            inkLeft = std::min(inkLeft, placed.left);
            inkTop = std::min(inkTop, placed.top);
            inkRight = std::max(inkRight, placed.left + placed.columns);
            inkBottom = std::max(inkBottom, placed.top + placed.rows);
        }
        glyphs.push_back(std::move(placed));
        penX += static_cast<float>(slot->advance.x) / 64.f + layout.tracking;
        previous = index;
    }
    FT_Set_Transform(f, nullptr, nullptr);

    Mask mask(width, height);
    if (inkRight < inkLeft)
        return mask;
    const int offsetX = static_cast<int>(std::lround(centreX - (inkLeft + inkRight) * 0.5f));
    const int offsetY = static_cast<int>(std::lround(centreY - (inkTop + inkBottom) * 0.5f));
    for (const Placed& g : glyphs)
        for (int row = 0; row < g.rows; ++row)
            for (int column = 0; column < g.columns; ++column)
            {
                const int x = offsetX + g.left + column;
                const int y = offsetY + g.top + row;
                const float coverage =
                    static_cast<float>(
                        g.pixels[static_cast<std::size_t>(row * g.columns + column)]) /
                    255.f;
                mask.set(x, y, std::max(mask.at(x, y), coverage));
            }
    return mask;
}

} // namespace media
