#include "DemoPilot.hpp"

#include "app/Level.hpp"
#include "foundation/Field.hpp"
#include "gameplay/PlayRecorder.hpp"

#include <cmath>
#include <limits>

namespace
{
// How close a shot above the ship must come before it steps aside, and how
// near the ship's centre counts as under its target.
constexpr float DangerAbove = 220.f;
constexpr float OnTarget = 6.f;

float centre(const sf::FloatRect& box)
{
    return box.left + box.width / 2.f;
}
} // namespace

// Demos are Normal games, whatever mode the settings choose.
DemoPilot::DemoPilot(ScreenContext& context) : Game(context, PlayRules())
{
    // It records its frames itself: the frame time is its own, not a clock's.
    stopRecording();
}

DemoPilot::Played DemoPilot::play(sf::Time length, sf::Time frame)
{
    PlayRecorder recorder(rules().mode);
    Played played;
    while (isPlaying() && played.length < length)
    {
        recorder.beforeFrame();
        update(frame);
        recorder.played(frame, mLast.key, mLast.pressed, sceneGraph(), clock().now(), pace());
        played.length += frame;
        played.level = Level::getLevel();
    }
    played.lasted = isPlaying();
    if (const auto bytes =
            recorder.finish(played.lasted ? Replay::Ending::Left : Replay::Ending::Lost))
        played.replay = *bytes;
    return played;
}

// One key event a frame, as a player's keys reach the scene: the first key
// whose state should change, or the event of the frame before again.
Game::KeyEvent DemoPilot::handOver()
{
    const Keys want = wanted();
    const auto change = [this](bool& held, bool wanted, sf::Keyboard::Key key)
    {
        if (held == wanted)
            return false;
        held = wanted;
        mLast = {key, wanted};
        return true;
    };
    if (!change(mHeld.fire, want.fire, sf::Keyboard::Up) &&
        !change(mHeld.left, want.left, sf::Keyboard::Left))
        change(mHeld.right, want.right, sf::Keyboard::Right);
    sceneGraph().handleInput(mLast.key, mLast.pressed);
    return mLast;
}

DemoPilot::Keys DemoPilot::wanted()
{
    std::optional<sf::FloatRect> ship;
    std::optional<float> target;
    float targetDepth = -std::numeric_limits<float>::max();
    std::optional<float> threat;
    const SceneNode& scene = sceneGraph();
    scene.visitNodes(
        [&](const SceneNode& node)
        {
            if (node.getCategory() == Category::Player && !ship && !node.isDestroyed())
                ship = node.getBoundingRect();
        });
    if (!ship)
        return {};
    scene.visitNodes(
        [&](const SceneNode& node)
        {
            if (node.isDestroyed())
                return;
            const sf::FloatRect box = node.getBoundingRect();
            const int category = node.getCategory();
            const bool pickUp = category >= Category::ExtraShipPowerUp &&
                                category <= Category::SpeedPowerUp && box.top > 300.f;
            // Power-ups first, then the enemy nearest the bottom.
            const float depth = box.top + (pickUp ? 2000.f : 0.f);
            if ((category == Category::Enemy || pickUp) && depth > targetDepth)
            {
                targetDepth = depth;
                target = centre(box);
            }
            const bool above = box.top < ship->top && box.top > ship->top - DangerAbove;
            const bool inLine = box.left < ship->left + ship->width + 8.f &&
                                box.left + box.width > ship->left - 8.f;
            if (category == Category::EnemyMissile && above && inLine)
                threat = centre(box);
        });
    Keys keys;
    keys.fire = true;
    const float at = centre(*ship);
    if (threat)
    {
        // Away from the shot, towards the side with room.
        const bool goLeft = (*threat > at && ship->left > ship->width) ||
                            ship->left + 2.f * ship->width > static_cast<float>(Field::Width);
        keys.left = goLeft;
        keys.right = !goLeft;
    }
    else if (target && std::abs(*target - at) > OnTarget)
    {
        keys.left = *target < at;
        keys.right = *target > at;
    }
    return keys;
}
