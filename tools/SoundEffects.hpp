#pragma once

#include "Synth.hpp"

namespace media
{

// Mono effects at SampleRate, faded at both ends and peaking below -1 dBFS.
Samples laserSound();     // 0.25 s falling zap
Samples explosionSound(); // 0.8 s noise burst with a thump
Samples powerUpSound();   // 0.6 s rising chime
Samples hoverSound();     // 0.07 s blip
Samples hitSound();       // 0.06 s tick of a shot that lands, quiet under the explosion
Samples loseSound();      // 2.0 s: three falling notes...
Samples lose2Sound();     // 1.5 s: ...and the last one, sinking

} // namespace media
