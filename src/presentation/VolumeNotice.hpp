#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

class MasterVolume;

// A word in the field's top-right corner, on every screen, for a moment after
// the player changes the sound: "Sound off" or "Volume 70".
class VolumeNotice
{
public:
    static const sf::Time ShownFor;

    // The font must outlive the notice.
    void show(const MasterVolume& volume, const sf::Font& font, bool large);
    bool isShown() const;
    void draw(sf::RenderTarget& target) const;

    // For a still screen: 0 while nothing shows, and a number of its own for
    // each word shown.
    int picture() const { return isShown() ? mShows : 0; }

    const sf::Text& getText() const { return mText; }

private:
    sf::Text mText;
    sf::Clock mSinceShown; // wall time: a paused game shows the notice too
    int mShows = 0;
};
