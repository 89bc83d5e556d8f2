#pragma once

#include <ostream>

namespace AudioDevice
{
// True when SFML managed to open an audio device. Without one, a streamed
// song that is told to play spins its streaming thread at full speed, failing
// every OpenAL call and flooding standard error.
bool isOpen();

// Without a usable device every sound fails its OpenAL calls, some of them in
// every frame, and SFML writes a report of six lines for each failure: from
// this call on, each different report goes to `out` once a run, as one line,
// and so does each failure to open the device. SFML's other messages pass as
// they are.
void reportEachFailureOnce(std::ostream& out);
} // namespace AudioDevice
