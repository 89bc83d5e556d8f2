#include "presentation/PauseOverlay.hpp"

#include "app/Field.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <cmath>

namespace
{
constexpr float FieldWidth = static_cast<float>(Field::Width);
constexpr float FieldHeight = static_cast<float>(Field::Height);

// Centres the text's drawn letters on a point, on whole units so they stay sharp.
void centre(sf::Text& text, float x, float y)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(std::round(bounds.left + bounds.width / 2.f),
                   std::round(bounds.top + bounds.height / 2.f));
    text.setPosition(x, y);
}
} // namespace

PauseOverlay::PauseOverlay(const sf::Font& font)
    : mDimmer(sf::Vector2f(FieldWidth, FieldHeight)), mTitle("PAUSED", font, 80),
      mHint("PRESS P TO RESUME", font, 24)
{
    mDimmer.setFillColor(sf::Color(0, 0, 0, 170));
    // Above the level banner, which a game may be showing when it is paused.
    centre(mTitle, FieldWidth / 2.f, FieldHeight * 0.26f);
    centre(mHint, FieldWidth / 2.f, FieldHeight * 0.35f);
}

void PauseOverlay::draw(sf::RenderTarget& target) const
{
    target.draw(mDimmer, sf::RenderStates::Default);
    target.draw(mTitle, sf::RenderStates::Default);
    target.draw(mHint, sf::RenderStates::Default);
}
