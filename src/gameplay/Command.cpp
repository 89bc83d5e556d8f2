#include "gameplay/Command.hpp"

#include "scene/SceneNode.hpp"
#include "session/EventPump.hpp"

#include <algorithm>

bool Command::sRunning = true;

namespace
{
using Action = KeyBindings::Action;

const KeyBindings& defaultKeys()
{
    static const KeyBindings keys;
    return keys;
}

// The key each play action is recorded as.
sf::Keyboard::Key recordedAs(Action action)
{
    switch (action)
    {
    case Action::Left:
        return sf::Keyboard::Left;
    case Action::Right:
        return sf::Keyboard::Right;
    default:
        return sf::Keyboard::Up;
    }
}
} // namespace

Command::Command(EventPump& events, Gamepad::Layout pad, const KeyBindings* keys)
    : mEvents(&events), mKeys(keys ? keys : &defaultKeys())
{
    events.setPadLayout(pad, keys);
}

// A pad speaks in the keys of its layout, whatever the player bound.
std::optional<Action> Command::actionOf(sf::Keyboard::Key key) const
{
    if (!mEvents->isFromPad())
        return mKeys->actionOf(key);
    switch (key)
    {
    case sf::Keyboard::Left:
        return Action::Left;
    case sf::Keyboard::Right:
        return Action::Right;
    case sf::Keyboard::Up:
        return Action::Fire;
    case sf::Keyboard::P:
        return Action::Pause;
    default:
        return std::nullopt;
    }
}

bool Command::pollEvent(sf::Event& event)
{
    return mEvents->pollEvent(event);
}

bool Command::pollEvents(const PausedReader& whilePaused)
{
    bool any = false;
    sf::Event event;
    while (pollEvent(event))
    {
        any = true;
        switch (event.type)
        {
        case sf::Event::Closed:
            mEvents->window().close();
            quit();
            break;
        case sf::Event::LostFocus:
            // A window that is being made or made again may lose the focus
            // and get it back at once: only a loss that lasts counts.
            if (!mEvents->hasFocus())
                focusLost();
            break;
        case sf::Event::KeyPressed:
        case sf::Event::KeyReleased:
            readKey(event, whilePaused);
            break;
        default:
            if (mPauseAsked && whilePaused)
                whilePaused(event, false);
            break;
        }
    }
    return any;
}

void Command::readKey(const sf::Event& event, const PausedReader& whilePaused)
{
    const bool pressed = event.type == sf::Event::KeyPressed;
    const std::optional<Action> action = actionOf(event.key.code);
    const bool isPauseKey = action == Action::Pause;
    if (mPauseAsked && whilePaused && whilePaused(event, isPauseKey))
    {
        if (!pressed && action && !isPauseKey)
            recordKey(recordedAs(action.value()), false);
        return;
    }
    if (isPauseKey)
        pauseKey(pressed);
    else if (action)
        recordKey(recordedAs(action.value()), pressed);
}

// The first event since the last hand-over is the next frame's, as if it came
// alone. Any more wait their turn, but only those that change a key: a held
// key's repeated presses add nothing, however slow the frames.
void Command::recordKey(sf::Keyboard::Key key, bool pressed)
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

void Command::handOver(SceneNode& scene)
{
    const bool pressed = isPressed();
    scene.handleInput(getKey(), pressed);
    mHandedOver = true;
    if (mWaiting.empty())
        return;
    mKey = mWaiting.front().key;
    mPressed = mWaiting.front().pressed;
    mWaiting.pop_front();
    mHandedOver = false;
}

void Command::handOverKeysLetGo(SceneNode& scene)
{
    if (!mKeysLetGo)
        return;
    for (sf::Keyboard::Key key : PlayKeys)
        scene.handleInput(key, false);
    mKeysLetGo = false;
}

// A held key repeats its press; a pad's button does not, and its release may
// go unseen when the pad changes layout with the pause.
void Command::pauseKey(bool pressed)
{
    if (mEvents->isFromPad())
    {
        if (pressed)
            mPauseAsked = !mPauseAsked;
        return;
    }
    if (pressed && !mPauseKeyDown)
        mPauseAsked = !mPauseAsked;
    mPauseKeyDown = pressed;
}

// Whatever was still waiting is stale: the scene hears every key let go, and
// the next press of a pause key counts.
void Command::focusLost()
{
    mPauseAsked = true;
    mPauseKeyDown = false;
    mWaiting.clear();
    mDown.fill(false);
    mPressed = false;
    mHandedOver = true;
    mKeysLetGo = true;
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
