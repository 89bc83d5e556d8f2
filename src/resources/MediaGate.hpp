#pragma once

#include "resources/MediaCheck.hpp"
#include "resources/MediaTrial.hpp"

#include <string>

namespace sf
{
class Font;
class Image;
class Music;
class SoundBuffer;
class Texture;
} // namespace sf

// The one way into the game for a media file: the header checks first (fast,
// and enough for most damaged files), then the file's verdict (a child's
// trial, once per file), and only then the game's own decoder. Each open
// returns false, leaving the object empty, when any of them fails.
namespace MediaGate
{
// The checks before decoding that fit the kind of file.
bool passesChecks(MediaTrial::Kind kind, const std::string& filename,
                  MediaCheck::ImageLimit limit = MediaCheck::GameImages);
// The checks and the verdict, without decoding here: --check-media's answer.
bool admits(MediaTrial::Kind kind, const std::string& filename,
            MediaCheck::ImageLimit limit = MediaCheck::GameImages);

bool open(sf::Texture& texture, const std::string& filename);
bool open(sf::Image& image, const std::string& filename,
          MediaCheck::ImageLimit limit = MediaCheck::GameImages);
bool open(sf::SoundBuffer& buffer, const std::string& filename);
bool open(sf::Music& song, const std::string& filename);
bool open(sf::Font& font, const std::string& filename);
} // namespace MediaGate
