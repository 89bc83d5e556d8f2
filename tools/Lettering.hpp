#pragma once

#include "Mask.hpp"

#include <SFML/System/NonCopyable.hpp>

#include <string>

namespace media
{

// Sets text in a font file with FreeType and hands back its coverage, so that screens can
// fill, outline and light the letters as they please.
class Lettering : sf::NonCopyable
{
public:
    explicit Lettering(const std::string& fontPath); // throws if the font cannot be opened
    ~Lettering();

    struct Layout
    {
        int pixelSize = 64;
        float tracking = 0.f; // extra pixels between letters
        float slant = 0.f;    // horizontal shear: 0.2 leans the letters right
    };

    // The text's ink centred on (centreX, centreY) of a mask of the given size.
    Mask text(const std::string& text, const Layout& layout, int width, int height, float centreX,
              float centreY) const;

private:
    void* mLibrary = nullptr; // FT_Library and FT_Face, kept opaque to spare includers FreeType
    void* mFace = nullptr;
};

} // namespace media
