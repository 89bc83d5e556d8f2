#pragma once

#include <string>

// What a media file must stand before the game decodes it: the same decoding
// the game will do, done whole, in the process that runs the trial (a
// short-lived child; see MediaVerdicts). Anything a decoder can do to a
// process (crash, hang, allocate without end) happens here, and passing means
// the game can show or play all of the file.
namespace MediaTrial
{
enum class Kind
{
    Image,       // decoded into memory, as a texture or the window's icon loads it
    SoundBuffer, // every sample decoded at once, as a sound buffer takes them
    Song,        // streamed a second at a time to its end and looped, as sf::Music plays it
    Font,        // every character the game writes rendered at every size it writes them
};

const char* nameOf(Kind kind);

// True when the file decodes whole: an image of at least one pixel; sound in
// whole frames (OpenAL refuses a stereo buffer of an odd sample count, and
// the sound is silent); a font that renders every glyph of the game's texts,
// outlined or not, at a size no larger than four times the text's.
bool passes(Kind kind, const std::string& filename);
} // namespace MediaTrial
