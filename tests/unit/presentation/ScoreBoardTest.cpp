#include "presentation/ScoreBoard.hpp"
#include "app/Level.hpp"
#include "foundation/GameClock.hpp"
#include "resources/ResourceCache.hpp"
#include "support/FakeClock.hpp"
#include "support/PlayMedia.hpp"
#include "support/SharedState.hpp"
#include "support/TestWindow.hpp"
#include "support/WindowCapture.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
void raiseLevelBy(int levels)
{
    for (int i = 0; i < levels; ++i)
        Level::nextLevel();
}

std::string textOf(const sf::Text& text)
{
    return text.getString().toAnsiString();
}
} // namespace

class ScoreBoardFixture : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    ScoreBoardFixture()
    {
        PlayMedia::loadInto(mResources);
        mBoard = std::make_unique<ScoreBoard>(&mResources, mClock);
    }

    // One frame of the board: its update, then its draw into a cleared window.
    // Returns whether the banner's pixels were drawn in that frame.
    bool frame()
    {
        mBoard->update(sf::Time::Zero);
        mWindow.clear(sf::Color::Black);
        mBoard->draw(mWindow);
        const sf::FloatRect bounds = mBoard->getBanner().getGlobalBounds();
        return WindowCapture::hasLitPixel(
            WindowCapture::grab(mWindow),
            sf::IntRect(static_cast<int>(bounds.left), static_cast<int>(bounds.top),
                        static_cast<int>(bounds.width) + 1, static_cast<int>(bounds.height) + 1));
    }

    void expectTexts(const std::string& expected)
    {
        EXPECT_EQ(textOf(mBoard->getLabel()), expected);
        EXPECT_EQ(textOf(mBoard->getBanner()), expected);
    }

    sf::RenderWindow& mWindow = TestWindow::shared();
    GameClock mClock;
    ResourceCache mResources;
    std::unique_ptr<ScoreBoard> mBoard;
};

using ScoreBoardLayout = ScoreBoardFixture;

TEST_F(ScoreBoardLayout, StartsAtLevelOneWithASmallLabelAndALargeCentredBanner)
{
    expectTexts("Level 1");
    EXPECT_EQ(mBoard->getLabel().getPosition(), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(mBoard->getLabel().getCharacterSize(), 20u);
    // 800 / 3 in whole pixels, 800 / 2.5.
    EXPECT_EQ(mBoard->getBanner().getPosition(), sf::Vector2f(266.f, 320.f));
    EXPECT_EQ(mBoard->getBanner().getCharacterSize(), 80u);
    EXPECT_TRUE(mBoard->isBannerShown());
}

TEST_F(ScoreBoardLayout, CornerLabelIsWhollyInsideTheWindow)
{
    // Level 8 has the tallest digit; the letters' tops must not reach the top edge.
    raiseLevelBy(7);
    for (int caughtUp = 0; caughtUp < 7; ++caughtUp)
        frame();
    ASSERT_EQ(textOf(mBoard->getLabel()), "Level 8");
    const sf::Image drawn = WindowCapture::grab(mWindow);
    const sf::FloatRect label = mBoard->getLabel().getGlobalBounds();
    const int right = static_cast<int>(label.left + label.width) + 1;
    EXPECT_FALSE(WindowCapture::hasLitPixel(drawn, sf::IntRect(0, 0, right, 1)));
    EXPECT_TRUE(WindowCapture::hasLitPixel(drawn, sf::IntRect(0, 0, right, 24)));
    Level().resetLevel();
}

TEST_F(ScoreBoardLayout, NeverPartOfACollisionPair)
{
    EXPECT_EQ(mBoard->getBoundingRect().width, 0.f);
    EXPECT_EQ(mBoard->getBoundingRect().height, 0.f);
}

struct LevelTextCase
{
    int level;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const LevelTextCase& c)
{
    return out << "level " << c.level;
}

class ScoreBoardText : public ScoreBoardFixture, public ::testing::WithParamInterface<LevelTextCase>
{
};

// However far the level has risen, the next frame shows its number in full.
TEST_P(ScoreBoardText, ShowsTheLevelNumberWithoutPadding)
{
    raiseLevelBy(GetParam().level - 1);
    frame();
    expectTexts(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Levels, ScoreBoardText,
                         ::testing::Values(LevelTextCase{1, "Level 1"}, LevelTextCase{2, "Level 2"},
                                           LevelTextCase{9, "Level 9"},
                                           LevelTextCase{10, "Level 10"},
                                           LevelTextCase{123, "Level 123"}),
                         [](const ::testing::TestParamInfo<LevelTextCase>& caseInfo)
                         { return "Level" + std::to_string(caseInfo.param.level); });

using ScoreBoardBanner = ScoreBoardFixture;

TEST_F(ScoreBoardBanner, LastDrawnInTheFirstFramePastFiveSecondsThenGone)
{
    EXPECT_TRUE(frame()); // the five seconds start here
    FakeClock::advanceSeconds(5.f);
    EXPECT_TRUE(frame()); // exactly five: not yet past
    FakeClock::advance(sf::microseconds(1));
    EXPECT_TRUE(frame()); // past: still drawn this once
    EXPECT_FALSE(mBoard->isBannerShown());
    EXPECT_FALSE(frame());
    FakeClock::advanceSeconds(60.f);
    EXPECT_FALSE(frame());
}

TEST_F(ScoreBoardBanner, TimeCountsFromTheFirstDrawNotFromConstruction)
{
    FakeClock::advanceSeconds(30.f);
    EXPECT_TRUE(frame());
    FakeClock::advanceSeconds(5.f);
    EXPECT_TRUE(frame());
    EXPECT_TRUE(mBoard->isBannerShown());
}

TEST_F(ScoreBoardBanner, LevelRiseShowsItAgainForFiveSeconds)
{
    frame();
    FakeClock::advanceSeconds(6.f);
    frame();
    ASSERT_FALSE(frame());

    Level::nextLevel();
    EXPECT_TRUE(frame());
    expectTexts("Level 2");
    FakeClock::advanceSeconds(5.f);
    EXPECT_TRUE(frame());
    FakeClock::advance(sf::microseconds(1));
    EXPECT_TRUE(frame());
    EXPECT_FALSE(frame());
}

TEST_F(ScoreBoardBanner, LevelRiseWhileShownStartsItsTimeAgain)
{
    frame();
    FakeClock::advanceSeconds(4.f);
    Level::nextLevel();
    frame();
    FakeClock::advanceSeconds(4.f); // 8 s since the first draw, 4 since the rise
    EXPECT_TRUE(frame());
    EXPECT_TRUE(mBoard->isBannerShown());
}

// The board catches up one level per frame, so a rise by two restarts the
// banner in each of the next two frames.
TEST_F(ScoreBoardBanner, RiseByTwoCatchesUpOverTwoFrames)
{
    frame();
    FakeClock::advanceSeconds(6.f);
    frame();
    ASSERT_FALSE(mBoard->isBannerShown());

    raiseLevelBy(2);
    EXPECT_TRUE(frame());
    expectTexts("Level 3");
    FakeClock::advanceSeconds(3.f);
    EXPECT_TRUE(frame());           // second step of the catch-up: the five seconds start again
    FakeClock::advanceSeconds(4.f); // 7 s after the first step, 4 after the second
    EXPECT_TRUE(frame());
    EXPECT_TRUE(mBoard->isBannerShown());
    FakeClock::advanceSeconds(1.5f);
    EXPECT_TRUE(frame());
    EXPECT_FALSE(frame()); // caught up: no third restart
    expectTexts("Level 3");
}

TEST_F(ScoreBoardBanner, LevelFallingBelowTheShownOneChangesNothing)
{
    raiseLevelBy(2);
    frame();
    frame();
    FakeClock::advanceSeconds(6.f);
    frame();
    ASSERT_FALSE(mBoard->isBannerShown());

    Level().resetLevel();
    EXPECT_FALSE(frame());
    expectTexts("Level 3");
}
