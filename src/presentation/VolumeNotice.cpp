#include "presentation/VolumeNotice.hpp"

#include "app/Field.hpp"
#include "app/MasterVolume.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <string>

const sf::Time VolumeNotice::ShownFor = sf::seconds(1.5f);

namespace
{
constexpr float Margin = 14.f;
}

void VolumeNotice::show(const MasterVolume& volume, const sf::Font& font)
{
    mText.setFont(font);
    mText.setCharacterSize(24);
    mText.setFillColor(sf::Color(200, 235, 255));
    // A dark edge keeps the letters legible over the menu's bright picture.
    mText.setOutlineColor(sf::Color(10, 6, 24, 220));
    mText.setOutlineThickness(2.f);
    mText.setString(volume.isMuted() ? "Sound off" : "Volume " + std::to_string(volume.volume()));
    const sf::FloatRect bounds = mText.getLocalBounds();
    mText.setOrigin(bounds.left + bounds.width, bounds.top);
    mText.setPosition(static_cast<float>(Field::Width) - Margin, Margin);
    mSinceShown.restart();
    ++mShows;
}

bool VolumeNotice::isShown() const
{
    return mShows > 0 && mSinceShown.getElapsedTime() < ShownFor;
}

void VolumeNotice::draw(sf::RenderTarget& target) const
{
    if (isShown())
        target.draw(mText, sf::RenderStates::Default);
}
