#pragma once

#include <string>

// Looks at a media file before SFML decodes it. SFML trusts what it is given:
// a folder in place of a sound file makes its decoders loop for ever, a
// header may claim an image far larger than any texture, and a font cut short
// still opens and only loses glyphs later. Each check reads no more than the
// file's header and table of contents.
namespace MediaCheck
{
// A PNG or JPEG (the formats of the catalogue, whose size can be read before
// decoding) no wider and no taller than maxSize pixels.
bool isImageWithin(const std::string& filename, unsigned int maxSize);

// A regular file; SFML's sound readers judge the contents themselves.
bool isSoundFile(const std::string& filename);

// A regular file and, when it is an OpenType/TrueType font, one whose tables
// all lie inside it.
bool isCompleteFont(const std::string& filename);
} // namespace MediaCheck
