#pragma once

#include "resources/ScreenMedia.hpp"

#include <ostream>

// Loads every media file the three screens use, after the same checks and
// with the same decoders as the screens, but without a window or a sound
// device: images into memory, sounds decoded whole as a sound buffer takes
// them, the song opened to stream, the font opened. One line per file, in the
// words of the loading lines.
namespace MediaAudit
{
// True when every file loaded.
bool checkAll(std::ostream& out);
// The verdict on one of them.
bool loads(const ScreenMedia::File& file);
} // namespace MediaAudit
