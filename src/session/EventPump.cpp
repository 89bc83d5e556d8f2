#include "session/EventPump.hpp"

#include "platform/Desktop.hpp"
#include "platform/WindowMode.hpp"
#include "session/Adjustments.hpp"
#include "session/GlobalKeys.hpp"

EventPump::EventPump(sf::RenderWindow& window, Desktop& desktop, WindowMode& windowMode,
                     GlobalKeys& keys, Adjustments& adjustments)
    : mWindow(window), mDesktop(desktop), mWindowMode(windowMode), mKeys(keys),
      mAdjustments(adjustments)
{
}

bool EventPump::hasFocus() const
{
    return mDesktop.hasFocus(mWindow);
}

void EventPump::setPadLayout(Gamepad::Layout layout, const KeyBindings* keys)
{
    mGamepad = Gamepad(layout, keys);
    mPadEvents.clear();
    mPadsTurn = false;
}

// Each round hands out the window's events until its queue runs dry, then
// what changed on the pads since the round before.
bool EventPump::pollEvent(sf::Event& event)
{
    if (!mWindow.isOpen())
    {
        mHeld.clear();
        mPadEvents.clear();
        mPadsTurn = false;
        mAdjustments.forgetSwitch();
        return false;
    }
    if (!mHeld.empty())
    {
        event = mHeld.front();
        mHeld.pop_front();
        mFromPad = false;
        return true;
    }
    if (!mPadsTurn)
    {
        while (mWindow.pollEvent(event))
            if (!handle(event))
            {
                if (event.type == sf::Event::KeyPressed || event.type == sf::Event::KeyReleased)
                    mFromPad = false;
                return true;
            }
        mPadsTurn = true;
        mGamepad.read(mPadEvents);
    }
    while (!mPadEvents.empty())
    {
        event = mPadEvents.front();
        mPadEvents.pop_front();
        if (!handle(event))
        {
            mFromPad = true;
            return true;
        }
    }
    mPadsTurn = false;
    endRound();
    return false;
}

bool EventPump::holdEvents(const std::function<bool(const sf::Event&)>& takes)
{
    bool took = false;
    sf::Event event;
    while (mWindow.pollEvent(event))
    {
        if (handle(event))
            continue;
        if (takes && takes(event))
            took = true;
        else
            mHeld.push_back(event);
    }
    std::deque<sf::Event> padEvents;
    mGamepad.read(padEvents);
    for (const sf::Event& padEvent : padEvents)
        if (!handle(padEvent) && takes && takes(padEvent))
            took = true;
    endRound();
    return took;
}

void EventPump::endRound()
{
    if (mWindow.isOpen())
        mAdjustments.switchIfAsked();
    else
        mAdjustments.forgetSwitch();
}

bool EventPump::handle(const sf::Event& event)
{
    if (event.type == sf::Event::Resized)
        mWindowMode.fitView();
    return mKeys.handle(event);
}
