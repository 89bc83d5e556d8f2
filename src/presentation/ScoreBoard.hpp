#pragma once

#include "foundation/GameTimer.hpp"
#include "scene/SceneNode.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Time.hpp>

#include <string>

class ResourceCache;

// The level, shown as a small label in the top-left corner and as a large
// banner for five seconds at the start of a game and after every level rise.
// It keeps no count of its own: the number is the shared level.
class ScoreBoard : public SceneNode
{
public:
    // The banner's five seconds are timed on the play screen's clock.
    ScoreBoard(ResourceCache* resources, const GameClock& clock);
    ~ScoreBoard() override;

    const sf::Text& getLabel() const { return mLevelLabel; }
    const sf::Text& getBanner() const { return mLevelBanner; }
    bool isBannerShown() const { return mShowBanner; }

    // A dark edge round the small label parts it from the brightest stars;
    // without it, the label is white letters alone.
    void setLabelEdge(bool edge);
    // Large text: the label half as large again, a little in from the corner on a plate.
    void setLarge(bool large);
    const sf::RectangleShape* labelPlate() const { return mLarge ? &mLabelPlate : nullptr; }

protected:
    void drawCurrent(sf::RenderWindow& window) override;
    void updateCurrent(sf::Time dt) override;

private:
    void refresh();
    void placeLabel();

    sf::Text mLevelLabel;
    sf::Text mLevelBanner;
    GameTimer mBannerClock;
    sf::Time mBannerElapsed;
    bool mShowBanner;
    bool mRestartBannerClock;
    int mShownLevel;
    std::string mLevelText;
    bool mLarge = false;
    sf::RectangleShape mLabelPlate;
};
