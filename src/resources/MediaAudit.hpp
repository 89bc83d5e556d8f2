#pragma once

#include <ostream>

// Loads every media file the three screens use, as the game would decode them
// but without a window or a sound device: images into memory, sounds and the
// song decoded to their last sample, the font opened. One line per file, in
// the words of the loading lines.
namespace MediaAudit
{
// True when every file loaded.
bool checkAll(std::ostream& out);
} // namespace MediaAudit
