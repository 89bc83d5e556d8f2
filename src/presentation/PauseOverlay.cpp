#include "presentation/PauseOverlay.hpp"

#include "foundation/Field.hpp"
#include "presentation/Lettering.hpp"
#include "presentation/TextSizes.hpp"

#include <SFML/Graphics/RenderStates.hpp>

namespace
{
constexpr float FieldWidth = static_cast<float>(Field::Width);
constexpr float FieldHeight = static_cast<float>(Field::Height);
const sf::Vector2f Centre(0.5f, 0.5f);
} // namespace

PauseOverlay::PauseOverlay(const sf::Font& font)
    : mDimmer(sf::Vector2f(FieldWidth, FieldHeight)), mTitle("PAUSED", font), mHint("", font)
{
    mDimmer.setFillColor(sf::Color(0, 0, 0, 170));
    mHint.setString("PRESS P TO RESUME");
    layOut();
}

bool PauseOverlay::setLarge(bool large)
{
    if (large == mLarge)
        return false;
    mLarge = large;
    layOut();
    return true;
}

// Above the level banner, which a game may be showing when it is paused.
void PauseOverlay::layOut()
{
    mTitle.setCharacterSize(TextSizes::of(TextSizes::Use::PauseTitle, mLarge));
    mHint.setCharacterSize(TextSizes::of(TextSizes::Use::PauseHint, mLarge));
    Lettering::anchor(mTitle, sf::Vector2f(FieldWidth / 2.f, FieldHeight * 0.26f), Centre);
    Lettering::anchor(mHint, sf::Vector2f(FieldWidth / 2.f, FieldHeight * 0.35f), Centre);
}

bool PauseOverlay::setResumeKey(const std::string& key)
{
    const sf::String hint = "PRESS " + key + " TO RESUME";
    if (hint == mHint.getString())
        return false;
    mHint.setString(hint);
    Lettering::anchor(mHint, sf::Vector2f(FieldWidth / 2.f, FieldHeight * 0.35f), Centre);
    return true;
}

void PauseOverlay::draw(sf::RenderTarget& target) const
{
    target.draw(mDimmer, sf::RenderStates::Default);
    target.draw(mTitle, sf::RenderStates::Default);
    target.draw(mHint, sf::RenderStates::Default);
}
