#pragma once

#include <SFML/Graphics/Font.hpp>

// The score board's font, for the words the menu, the game-over screen and the
// sound's notice write over their pictures. Opened once, when first asked for,
// and like the menu's song not through a resource cache: the screens' loading
// lines stay theirs. A font that does not open leaves the words out.
class CaptionFont
{
public:
    const sf::Font& get();

private:
    sf::Font mFont;
    bool mOpened = false;
};
