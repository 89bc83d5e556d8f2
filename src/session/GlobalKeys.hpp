#pragma once

#include <SFML/Window/Event.hpp>

class Adjustments;

// The keys every screen answers alike: M mutes and unmutes, - and + turn the
// volume down and up, F11 and Alt+Enter switch between window and fullscreen.
class GlobalKeys
{
public:
    // The adjustments outlive the keys.
    explicit GlobalKeys(Adjustments& adjustments);

    // True when the event was one of these keys' own: it goes no further.
    bool handle(const sf::Event& event);

private:
    bool handleSoundKey(const sf::Event::KeyEvent& key);

    Adjustments& mAdjustments;
    bool mSwitchKeyDown = false; // a held key repeats its press; only the first one counts
    bool mMuteKeyDown = false;
};
