#include "app/Level.hpp"
#include "support/SharedState.hpp"

#include <gtest/gtest.h>

class LevelState : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    void SetUp() override { mLevel.resetLevel(); }
    void TearDown() override { mLevel.resetLevel(); }

    void goToLevel(int level)
    {
        mLevel.resetLevel();
        for (int i = 1; i < level; ++i)
            Level::nextLevel();
    }

    Level mLevel;
};

TEST_F(LevelState, HealthBonusIsOneAndAHalfPerLevelTruncated)
{
    const int expected[] = {1, 3, 4, 6, 7, 9, 10, 12, 13, 15};
    for (int level = 1; level <= 10; ++level)
    {
        goToLevel(level);
        EXPECT_EQ(mLevel.getHealthBonus(), expected[level - 1]) << "level " << level;
    }
}

TEST_F(LevelState, DelayOffsetIsMinusOneHundredPerLevel)
{
    for (int level : {1, 2, 3, 25})
    {
        goToLevel(level);
        EXPECT_FLOAT_EQ(mLevel.getDelayOffset(), -100.f * static_cast<float>(level));
    }
}

TEST_F(LevelState, ResetGoesBackToLevelOneButKeepsTheBossFlag)
{
    const bool before = mLevel.isBossDefeated();
    Level::toggleBossDefeated();
    goToLevel(7);
    mLevel.resetLevel();
    EXPECT_EQ(Level::getLevel(), 1);
    EXPECT_NE(mLevel.isBossDefeated(), before);
    Level::toggleBossDefeated();
    EXPECT_EQ(mLevel.isBossDefeated(), before);
}
