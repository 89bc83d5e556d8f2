#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>

// How the words laid over the field (the pause, the sound, the best level)
// are placed and inked, so that they read alike on every screen.
namespace Lettering
{
// Light ink for words over the field's dark sky and the menu's picture.
extern const sf::Color Pale;

// Places a text by a point of its drawn letters: (0, 0) their top left,
// (1, 1) their bottom right. The origin falls on whole units, so that the
// letters stay sharp on the unscaled field.
void anchor(sf::Text& text, sf::Vector2f position, sf::Vector2f point);

// Words as SFML draws them, from the UTF-8 that the code and the catalogues hold.
sf::String words(const std::string& utf8);

// A dark edge that keeps light letters legible over bright pictures.
void outline(sf::Text& text);

// The words in capitals, as headings and the names of keys in them are written.
std::string capitals(std::string words);
} // namespace Lettering
