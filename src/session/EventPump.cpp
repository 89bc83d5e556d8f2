#include "session/EventPump.hpp"

#include "config/KeyNames.hpp"
#include "config/Preferences.hpp"
#include "platform/Desktop.hpp"
#include "platform/WindowMode.hpp"
#include "presentation/Lettering.hpp"
#include "session/Adjustments.hpp"

#include <algorithm>

namespace
{
bool isKey(const Input& input)
{
    return input.type == Input::Type::Press || input.type == Input::Type::Release;
}
} // namespace

EventPump::EventPump(sf::RenderWindow& window, Desktop& desktop, WindowMode& windowMode,
                     Adjustments& adjustments)
    : mWindow(window), mDesktop(desktop), mWindowMode(windowMode), mAdjustments(adjustments)
{
}

bool EventPump::hasFocus() const
{
    return mDesktop.hasFocus(mWindow);
}

const KeyBindings& EventPump::keys() const
{
    return mAdjustments.preferences().keys();
}

void EventPump::beginScreen()
{
    // What the window still has queued happened before this screen: its keys
    // are dropped, the rest waits in order.
    sf::Event event;
    while (mWindow.isOpen() && mWindow.pollEvent(event))
    {
        if (event.type == sf::Event::Resized)
            mWindowMode.fitView();
        const Decoded decoded = mKeyboard.decode(event, keys(), false);
        if (!handle(decoded) && decoded.input)
            mHeld.push_back(*decoded.input);
    }
    mHeld.erase(std::remove_if(mHeld.begin(), mHeld.end(), isKey), mHeld.end());
    mKeyboard.beginScreen();
    mCapturing = false;
    mGamepad.begin();
    mPadInputs.clear();
    mPadsTurn = false;
    endRound();
}

void EventPump::setCapturing(bool capturing)
{
    mCapturing = capturing;
    mGamepad.begin(capturing);
    mPadInputs.clear();
}

// Each round hands out the window's events until its queue runs dry, then
// what changed on the pads since the round before.
bool EventPump::nextDecoded(Decoded& decoded)
{
    if (!mPadsTurn)
    {
        sf::Event event;
        if (mWindow.pollEvent(event))
        {
            if (event.type == sf::Event::Resized)
                mWindowMode.fitView();
            decoded = mKeyboard.decode(event, keys(), mCapturing);
            return true;
        }
        mPadsTurn = true;
        mGamepad.read(mPadInputs, keys());
    }
    if (!mPadInputs.empty())
    {
        decoded = mPadInputs.front();
        mPadInputs.pop_front();
        return true;
    }
    mPadsTurn = false;
    return false;
}

bool EventPump::poll(Input& input)
{
    if (!mWindow.isOpen())
    {
        mHeld.clear();
        mPadInputs.clear();
        mPadsTurn = false;
        mAdjustments.forgetSwitch();
        return false;
    }
    if (!mHeld.empty())
    {
        input = mHeld.front();
        mHeld.pop_front();
        note(input);
        return true;
    }
    Decoded decoded;
    while (nextDecoded(decoded))
        if (!handle(decoded) && decoded.input)
        {
            input = *decoded.input;
            note(input);
            return true;
        }
    endRound();
    return false;
}

bool EventPump::hold(const std::function<bool(const Input&)>& takes)
{
    bool took = false;
    Decoded decoded;
    while (nextDecoded(decoded))
    {
        if (handle(decoded) || !decoded.input)
            continue;
        if (takes && takes(*decoded.input))
            took = true;
        // A pad's controls count for this moment only.
        else if (decoded.input->device != Device::Pad)
            mHeld.push_back(*decoded.input);
    }
    endRound();
    return took;
}

// A held key repeats its press: muting and switching count the first one only,
// while the volume goes on stepping as a player holding - or + expects.
bool EventPump::handle(const Decoded& decoded)
{
    switch (decoded.global)
    {
    case GlobalControl::None:
        return false;
    case GlobalControl::Mute:
        if (!decoded.repeat)
            mAdjustments.toggleMute();
        break;
    case GlobalControl::Quieter:
        mAdjustments.quieter();
        break;
    case GlobalControl::Louder:
        mAdjustments.louder();
        break;
    case GlobalControl::Fullscreen:
        if (!decoded.repeat)
            mAdjustments.askFullscreenSwitch();
        break;
    }
    return true;
}

void EventPump::endRound()
{
    if (mWindow.isOpen())
        mAdjustments.switchIfAsked();
    else
        mAdjustments.forgetSwitch();
    mAdjustments.keepWhenDue();
}

void EventPump::note(const Input& input)
{
    if (input.type == Input::Type::Press && input.device != Device::Pointer)
        mLastDevice = input.device;
}

std::string EventPump::promptFor(PlayControl control) const
{
    const auto action = control == PlayControl::Left    ? KeyBindings::Action::Left
                        : control == PlayControl::Right ? KeyBindings::Action::Right
                        : control == PlayControl::Fire  ? KeyBindings::Action::Fire
                                                        : KeyBindings::Action::Pause;
    const auto& bound = keys().keys(action);
    if (mLastDevice == Device::Pad || bound.empty())
        return action == KeyBindings::Action::Pause ? "START" : "A";
    return Lettering::capitals(KeyNames::nameOf(bound.front()));
}
