#include "foundation/FireChance.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
// The die's face that fires.
constexpr int FiringFace = 2;

// At full pace the die has as many faces as the fire odds; at half pace twice as many.
int facesOf(int fireOdds, float pace)
{
    return pace > 0.f && pace < 1.f ? static_cast<int>(std::lround(fireOdds / pace)) : fireOdds;
}
} // namespace

const FireChance& FireChance::asDesigned()
{
    static const FireChance perFrame(Pace::PerFrame);
    return perFrame;
}

double FireChance::chance(int fireOdds, sf::Time frame, float pace) const
{
    if (mPace == Pace::PerFrame)
    {
        const int faces = facesOf(fireOdds, pace);
        return faces > FiringFace ? 1.0 / faces : 0.0;
    }
    const double perFrameAtReference = 1.0 / fireOdds;
    return std::clamp(perFrameAtReference * frame.asSeconds() * ReferenceFramesPerSecond, 0.0, 1.0);
}

bool FireChance::fires(int fireOdds, sf::Time frame, float pace) const
{
    const int roll = std::rand();
    if (mPace == Pace::PerFrame)
        return roll % facesOf(fireOdds, pace) == FiringFace;
    // The roll as a share of the generator's range, from 0 up to (not including) 1.
    const double share = static_cast<double>(roll) / (static_cast<double>(RAND_MAX) + 1.0);
    return share < chance(fireOdds, frame);
}
