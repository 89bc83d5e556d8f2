#include "presentation/VolumeNotice.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"
#include "sound/MasterVolume.hpp"

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
    mText.setFillColor(Lettering::Pale);
    Lettering::outline(mText);
    mText.setString(Lettering::words(
        volume.isMuted() ? tr("Sound off")
                         : fill(tr("Volume %s"), {std::to_string(volume.volume())})));
    Lettering::anchor(mText, sf::Vector2f(static_cast<float>(Field::Width) - Margin, Margin),
                      sf::Vector2f(1.f, 0.f));
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
