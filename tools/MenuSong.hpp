#pragma once

#include "Synth.hpp"

namespace media
{

constexpr unsigned SongChannels = 2;

// The title screen's song: sixteen bars of synthwave in A minor at 120 beats per minute,
// about 32 seconds, interleaved stereo at SampleRate. The last sample runs straight into the
// first: the tails of the final bar are already sounding at the start, as they do when the
// song loops.
Samples menuSong();

} // namespace media
