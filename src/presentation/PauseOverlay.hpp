#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>

// What a paused game shows over its field: the field dimmed, "PAUSED", and a
// line saying how to go on, in the score board's font.
class PauseOverlay
{
public:
    // The font must outlive the overlay.
    explicit PauseOverlay(const sf::Font& font);

    void draw(sf::RenderTarget& target) const;

    // Names the key that goes on ("P", "START" ...); true when the line changed.
    bool setResumeKey(const std::string& key);
    // Large text: the words half as large again; true when that changed them.
    bool setLarge(bool large);

    const sf::Text& getTitle() const { return mTitle; }
    const sf::Text& getHint() const { return mHint; }

private:
    void layOut();

    sf::RectangleShape mDimmer;
    sf::Text mTitle;
    sf::Text mHint;
    bool mLarge = false;
};
