#include "presentation/ScoreBoard.hpp"

#include "app/Level.hpp"
#include "foundation/Field.hpp"
#include "presentation/Lettering.hpp"
#include "resources/ResourceCache.hpp"

#include <SFML/Graphics/RenderStates.hpp>

ScoreBoard::ScoreBoard(ResourceCache* resources, const GameClock& clock) : mBannerClock(clock)
{
    const sf::Font& font = resources->get(Fonts::DigitalTech);
    mLevelLabel.setFont(font);
    mLevelBanner.setFont(font);

    mShowBanner = true;
    mRestartBannerClock = true;
    // 1 but in a practice game, which may start higher.
    mShownLevel = Level::getLevel();
    mLevelText = "Level " + std::to_string(mShownLevel);
    mLevelLabel.setString(mLevelText);
    mLevelBanner.setString(mLevelText);

    mLevelBanner.setPosition(static_cast<float>(Field::Width / 3),
                             static_cast<float>(Field::Height / 2.5));
    mLevelLabel.setCharacterSize(20);
    mLevelBanner.setCharacterSize(80);
}

void ScoreBoard::setLabelEdge(bool edge)
{
    if (edge)
        Lettering::outline(mLevelLabel);
    else
        mLevelLabel.setOutlineThickness(0.f);
}

ScoreBoard::~ScoreBoard() = default;

// The five seconds run from the first draw after the banner was switched on,
// and the draw that finds them passed still shows it.
void ScoreBoard::drawCurrent(sf::RenderWindow& window)
{
    window.draw(mLevelLabel, sf::RenderStates::Default);
    if (!mShowBanner)
        return;

    if (mRestartBannerClock)
    {
        mBannerElapsed = mBannerClock.restart();
        mRestartBannerClock = false;
    }
    mBannerElapsed = mBannerClock.getElapsedTime();
    window.draw(mLevelBanner, sf::RenderStates::Default);
    if (mBannerElapsed.asSeconds() > 5.f)
    {
        mShowBanner = false;
        mBannerElapsed = mBannerClock.restart();
    }
}

void ScoreBoard::updateCurrent(sf::Time)
{
    refresh();
}

// Catches up one level per frame, so each rise starts the banner afresh.
void ScoreBoard::refresh()
{
    if (mShownLevel >= Level::getLevel())
        return;

    ++mShownLevel;
    mLevelText = "Level " + std::to_string(Level::getLevel());
    mLevelBanner.setString(mLevelText);
    mLevelLabel.setString(mLevelText);
    mShowBanner = true;
    mRestartBannerClock = true;
}
