#pragma once

#include <cstdint>
#include <istream>
#include <string>

// Looks at a media file before SFML decodes it. SFML trusts what it is given:
// a folder in place of a sound file makes its decoders loop for ever, a
// header may claim an image far larger than any texture, and a font cut short
// still opens and only loses glyphs later. Each check reads no more than the
// file's header and table of contents.
namespace MediaCheck
{
// An image in a format SFML decodes (PNG, JPEG, BMP, GIF, PSD, PIC, PNM, HDR
// or TGA, whatever its name) whose header claims a size no wider and no
// taller than maxSize pixels.
bool isImageWithin(const std::string& filename, unsigned int maxSize);
bool isImageWithin(std::istream& in, unsigned int maxSize);

// A regular file; SFML's sound readers judge the contents themselves.
bool isSoundFile(const std::string& filename);

// A regular file and, when it is an OpenType/TrueType font, one whose tables
// all lie inside it (fileSize bytes long).
bool isCompleteFont(const std::string& filename);
bool isCompleteFont(std::istream& in, std::uintmax_t fileSize);
} // namespace MediaCheck
