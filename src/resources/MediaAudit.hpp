#pragma once

#include "resources/ScreenMedia.hpp"

#include <ostream>

// Judges every media file the three screens and the window use, as the game
// judges them before it decodes one: the checks before decoding, then the
// verdict of a child that decodes the file whole, as the game would, without
// a window or a sound device. One line per file, in the words of the loading
// lines.
namespace MediaAudit
{
// True when every file loaded.
bool checkAll(std::ostream& out);
// The verdict on one of them.
bool loads(const ScreenMedia::File& file);
} // namespace MediaAudit
