#include "foundation/FireChance.hpp"

#include <algorithm>
#include <cstdlib>

namespace
{
// The die's face that fires.
constexpr int FiringFace = 2;
} // namespace

const FireChance& FireChance::asDesigned()
{
    static const FireChance perFrame(Pace::PerFrame);
    return perFrame;
}

double FireChance::chance(int fireOdds, sf::Time frame) const
{
    if (mPace == Pace::PerFrame)
        return fireOdds > FiringFace ? 1.0 / fireOdds : 0.0;
    const double perFrameAtReference = 1.0 / fireOdds;
    return std::clamp(perFrameAtReference * frame.asSeconds() * ReferenceFramesPerSecond, 0.0, 1.0);
}

bool FireChance::fires(int fireOdds, sf::Time frame) const
{
    const int roll = std::rand();
    if (mPace == Pace::PerFrame)
        return roll % fireOdds == FiringFace;
    // The roll as a share of the generator's range, from 0 up to (not including) 1.
    const double share = static_cast<double>(roll) / (static_cast<double>(RAND_MAX) + 1.0);
    return share < chance(fireOdds, frame);
}
