#pragma once

// Every size the game writes words at in its own font, by what the words are: each one's
// size as it comes, and half as large again when the player chose large text, where every
// lowercase letter stands at least 12 pixels high on the field shown unscaled (a window
// 800 pixels high, as fullscreen at 1280 x 800). The level banner keeps its size: its
// letters are three times that already.
namespace TextSizes
{
enum class Use
{
    LevelLabel,
    BadgeCount,
    BossLabel,
    GameSpeed,
    MenuBest,
    GameOverSummary,
    NewBest,
    FirstLevelRule,
    GameOverKeys,
    SoundNotice,
    PauseTitle,
    PauseHint,
    MenuHeading,
    MenuPrompt,
    MenuEntry,
    MenuTable,
    Count, // not a use: how many there are
};

constexpr float LargeScale = 1.5f;

unsigned int of(Use use, bool large);
// 1, or LargeScale for large text: for what is laid out round the words.
float scale(bool large);
} // namespace TextSizes
