#include "gameplay/Command.hpp"

#include "scene/SceneNode.hpp"
#include "session/EventPump.hpp"

#include <algorithm>
#include <optional>

bool Command::sRunning = true;

namespace
{
// The key each play control is recorded as: the keys the ships know.
std::optional<sf::Keyboard::Key> recordedAs(PlayControl control)
{
    switch (control)
    {
    case PlayControl::Left:
        return sf::Keyboard::Left;
    case PlayControl::Right:
        return sf::Keyboard::Right;
    case PlayControl::Fire:
        return sf::Keyboard::Up;
    case PlayControl::Pause:
    case PlayControl::None:
        break;
    }
    return std::nullopt;
}
} // namespace

Command::Command(EventPump& events) : mEvents(&events) {}

bool Command::poll(Input& input)
{
    return mEvents->poll(input);
}

bool Command::pollEvents(const PausedReader& whilePaused, const PausedReader& first)
{
    bool any = false;
    Input input;
    while (poll(input))
    {
        any = true;
        if (!first || !first(input))
            read(input, whilePaused);
    }
    return any;
}

// A held key repeats its press: the pause counts the first one only. Paused,
// the pause control goes on at once unless the menu takes it (an options page
// asking for a key).
void Command::read(const Input& input, const PausedReader& whilePaused)
{
    switch (input.type)
    {
    case Input::Type::Closed:
        mEvents->window().close();
        quit();
        return;
    case Input::Type::FocusLost:
        // A window that is being made or made again may lose the focus and
        // get it back at once: only a loss that lasts counts.
        if (!mEvents->hasFocus())
            focusLost();
        return;
    default:
        break;
    }
    const bool pressed = input.type == Input::Type::Press;
    const auto key = recordedAs(input.play);
    if (mPauseAsked && whilePaused)
    {
        if (!whilePaused(input) && input.presses(PlayControl::Pause) && !input.repeat)
            mPauseAsked = false;
        if (key && input.type == Input::Type::Release)
            recordKey(*key, false);
        return;
    }
    if (input.presses(PlayControl::Pause) && !input.repeat)
        mPauseAsked = !mPauseAsked;
    else if (key && (pressed || input.type == Input::Type::Release))
        recordKey(*key, pressed);
}

// Toggled, a fresh press of the fire control turns fire on or off and a
// release does nothing; a press while it is held is its repeat. Automatic, the
// fire control does nothing.
void Command::recordKey(sf::Keyboard::Key key, bool pressed)
{
    if (key != sf::Keyboard::Up || mFireMode == FireMode::Hold)
    {
        if (key == sf::Keyboard::Up)
            mFireHeld = pressed;
        record(key, pressed);
        return;
    }
    const bool fresh = pressed && !mFireHeld;
    mFireHeld = pressed;
    if (mFireMode == FireMode::Toggle && fresh)
        record(key, !isDown(key));
}

// Told again with every change to play's settings: the same mode changes nothing.
void Command::setFireMode(FireMode mode)
{
    if (mode == mFireMode)
        return;
    mFireMode = mode;
    const bool firing = mode == FireMode::Auto || (mode == FireMode::Hold && mFireHeld);
    if (firing != isDown(sf::Keyboard::Up))
        record(sf::Keyboard::Up, firing);
}

// The first event since the last hand-over is the next frame's, as if it came
// alone. Any more wait their turn, but only those that change a key: a held
// key's repeated presses add nothing, however slow the frames.
void Command::record(sf::Keyboard::Key key, bool pressed)
{
    if (std::find(PlayKeys.begin(), PlayKeys.end(), key) == PlayKeys.end())
        return;
    const KeyEvent last = mWaiting.empty() ? KeyEvent{mKey, mPressed} : mWaiting.back();
    if (last.key == key && last.pressed == pressed)
        return;
    if (mWaiting.empty() && mHandedOver)
    {
        mKey = key;
        mPressed = pressed;
        mHandedOver = false;
    }
    else if (isDown(key) != pressed)
    {
        if (mWaiting.size() == MaxWaiting)
            dropOldestWaitingPair();
        mWaiting.push_back({key, pressed});
    }
    isDown(key) = pressed;
}

// Each key's waiting events take turns going down and up, so any two of one
// key cancel out; with three keys, four waiting events always hold such a pair.
void Command::dropOldestWaitingPair()
{
    for (std::size_t first = 0; first < mWaiting.size(); ++first)
        for (std::size_t second = first + 1; second < mWaiting.size(); ++second)
            if (mWaiting[second].key == mWaiting[first].key)
            {
                mWaiting.erase(mWaiting.begin() + static_cast<std::ptrdiff_t>(second));
                mWaiting.erase(mWaiting.begin() + static_cast<std::ptrdiff_t>(first));
                return;
            }
}

Command::KeyEvent Command::handOver(SceneNode& scene)
{
    const KeyEvent handed{getKey(), isPressed()};
    scene.handleInput(handed.key, handed.pressed);
    mHandedOver = true;
    if (mWaiting.empty())
        return handed;
    mKey = mWaiting.front().key;
    mPressed = mWaiting.front().pressed;
    mWaiting.pop_front();
    mHandedOver = false;
    return handed;
}

bool Command::handOverKeysLetGo(SceneNode& scene)
{
    if (!mKeysLetGo)
        return false;
    for (sf::Keyboard::Key key : PlayKeys)
        scene.handleInput(key, false);
    mKeysLetGo = false;
    // Automatic fire goes on with play; the scene hears it at the next hand-over.
    if (mFireMode == FireMode::Auto)
        record(sf::Keyboard::Up, true);
    return true;
}

// Whatever was still waiting is stale: the scene hears every key let go, and
// the next press of a pause key counts.
void Command::focusLost()
{
    mPauseAsked = true;
    mWaiting.clear();
    mDown.fill(false);
    mPressed = false;
    mHandedOver = true;
    mKeysLetGo = true;
    mFireHeld = false;
}

bool& Command::isDown(sf::Keyboard::Key key)
{
    const auto found = std::find(PlayKeys.begin(), PlayKeys.end(), key);
    return mDown[static_cast<std::size_t>(found - PlayKeys.begin())];
}

sf::Keyboard::Key Command::getKey() const
{
    return mKey;
}

bool Command::isPressed() const
{
    return mPressed;
}

void Command::quit()
{
    sRunning = false;
}

bool Command::isRunning()
{
    return sRunning;
}
