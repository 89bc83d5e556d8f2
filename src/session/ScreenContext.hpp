#pragma once

#include "foundation/PlayRules.hpp"

class Adjustments;
class BestLevel;
class CaptionFont;
class Desktop;
class EventPump;
class MasterVolume;
class Preferences;
class VolumeNotice;

namespace sf
{
class RenderWindow;
}

// What every screen reads, made once by the entry point and handed to each
// screen: plain references into what lasts from the first screen to the last.
struct ScreenContext
{
    sf::RenderWindow& window;
    Desktop& desktop;
    EventPump& events;
    // What the player changes in the options, as the keys every screen answers do.
    Adjustments& adjustments;
    const Preferences& preferences;
    const MasterVolume& volume;
    // Every screen draws its word last in each frame.
    const VolumeNotice& notice;
    CaptionFont& captionFont;
    BestLevel& bestLevel; // Normal's, which also bounds where practice may start
    BestLevel& relaxedBestLevel;

    // The record a game of this mode counts for (Practice counts for none) or is bound by.
    BestLevel& bestLevelOf(PlayMode mode) const
    {
        return mode == PlayMode::Relaxed ? relaxedBestLevel : bestLevel;
    }
};
