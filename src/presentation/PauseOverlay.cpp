#include "presentation/PauseOverlay.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"

#include <SFML/Graphics/RenderStates.hpp>

namespace
{
constexpr float FieldWidth = static_cast<float>(Field::Width);
constexpr float FieldHeight = static_cast<float>(Field::Height);
const sf::Vector2f Centre(0.5f, 0.5f);
} // namespace

PauseOverlay::PauseOverlay(const sf::Font& font)
    : mDimmer(sf::Vector2f(FieldWidth, FieldHeight)), mTitle("", font, 80), mHint("", font, 24)
{
    mDimmer.setFillColor(sf::Color(0, 0, 0, 170));
    setResumeKey("P");
}

// Asked again in every paused frame, so a language chosen in the options
// shows as soon as they close.
bool PauseOverlay::setResumeKey(const std::string& key)
{
    // TRANSLATORS: %s is the key's name in capitals ("P", "ESCAPE", "START").
    const sf::String hint = Lettering::words(fill(tr("PRESS %s TO RESUME"), {key}));
    const sf::String title = Lettering::words(tr("PAUSED"));
    if (hint == mHint.getString() && title == mTitle.getString())
        return false;
    mTitle.setString(title);
    // Above the level banner, which a game may be showing when it is paused.
    Lettering::anchor(mTitle, sf::Vector2f(FieldWidth / 2.f, FieldHeight * 0.26f), Centre);
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
