#include "foundation/PlayRules.hpp"

#include <algorithm>

PlayRules PlayRules::of(PlayMode mode, int practiceLevel, int highestPractice)
{
    PlayRules rules;
    rules.mode = mode;
    if (mode == PlayMode::Practice)
        rules.startLevel = practiceStart(practiceLevel, highestPractice);
    return rules;
}

int PlayRules::practiceStart(int practiceLevel, int highestPractice)
{
    return std::clamp(practiceLevel, 1, std::max(1, highestPractice));
}

std::optional<int> PlayRules::reserveShips() const
{
    switch (mode)
    {
    case PlayMode::Relaxed:
        return RelaxedReserves;
    case PlayMode::Practice:
        return std::nullopt;
    case PlayMode::Normal:
        break;
    }
    return 0;
}

const char* PlayRules::nameOf(PlayMode mode)
{
    switch (mode)
    {
    case PlayMode::Relaxed:
        return "Relaxed";
    case PlayMode::Practice:
        return "Practice";
    case PlayMode::Normal:
        break;
    }
    return "Normal";
}
