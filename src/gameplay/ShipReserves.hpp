#pragma once

#include "foundation/GameTimer.hpp"

#include <SFML/System/Time.hpp>

#include <optional>

// The ships a mode keeps in reserve. A loss that would end a Normal game takes
// one instead, while one is left (always, where they never run out); the ship
// lost with it comes back after a moment.
class ShipReserves
{
public:
    // Time for the burst where the ship was lost to play out.
    static const sf::Time ReturnAfter;
    static const sf::Time UntouchableFor;

    // Ships in reserve at the start, none where they never run out; the times
    // count on the game's clock, which outlives the reserves.
    ShipReserves(std::optional<int> ships, const GameClock& clock);

    // A loss the game would end on: true when a reserve stands in for it.
    bool standIn();
    // The ship lost with the reserve comes back once ReturnAfter has passed.
    void sendShipBack();
    // True in the first frame the ship is due back, once.
    bool isShipDue();
    // True once after a reserve stood in.
    bool takeSpent();

    // None: they never run out.
    std::optional<int> left() const { return mLeft; }

private:
    std::optional<int> mLeft;
    GameTimer mSinceLoss;
    bool mShipAway = false;
    bool mSpent = false;
};
