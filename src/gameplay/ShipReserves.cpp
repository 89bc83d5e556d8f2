#include "gameplay/ShipReserves.hpp"

#include <utility>

const sf::Time ShipReserves::ReturnAfter = sf::seconds(1.f);
const sf::Time ShipReserves::UntouchableFor = sf::seconds(2.f);

ShipReserves::ShipReserves(std::optional<int> ships, const GameClock& clock)
    : mLeft(ships), mSinceLoss(clock)
{
}

bool ShipReserves::standIn()
{
    if (mLeft)
    {
        if (*mLeft <= 0)
            return false;
        --*mLeft;
    }
    mSpent = true;
    return true;
}

void ShipReserves::sendShipBack()
{
    mSinceLoss.restart();
    mShipAway = true;
}

bool ShipReserves::isShipDue()
{
    if (!mShipAway || mSinceLoss.getElapsedTime() < ReturnAfter)
        return false;
    mShipAway = false;
    return true;
}

bool ShipReserves::takeSpent()
{
    return std::exchange(mSpent, false);
}
