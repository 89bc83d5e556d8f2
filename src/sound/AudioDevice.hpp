#pragma once

namespace AudioDevice
{
// True when SFML managed to open an audio device. Without one, a streamed
// song that is told to play spins its streaming thread at full speed, failing
// every OpenAL call and flooding standard error.
bool isOpen();
} // namespace AudioDevice
