#pragma once

// Progress of the current game, shared by the play screen, the enemies, the
// spawner and the score board. The class is empty: objects hold a Level only
// as a handle on the process-wide statics.
class Level
{
public:
    static int getLevel();
    static void nextLevel();
    void resetLevel();
    // A practice game starts at a level already reached.
    void startAt(int level);

    int getHealthBonus() const;
    float getDelayOffset() const;

    bool isBossDefeated() const;
    static void toggleBossDefeated();

private:
    static int sLevel;
    static bool sBossDefeated;
};
