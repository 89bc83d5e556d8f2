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

bool EventPump::pollEvent(sf::Event& event)
{
    if (!mWindow.isOpen())
    {
        mHeld.clear();
        mAdjustments.forgetSwitch();
        return false;
    }
    if (!mHeld.empty())
    {
        event = mHeld.front();
        mHeld.pop_front();
        return true;
    }
    while (mWindow.pollEvent(event))
        if (!handle(event))
            return true;
    endRound();
    return false;
}

void EventPump::holdEvents()
{
    sf::Event event;
    while (mWindow.pollEvent(event))
        if (!handle(event))
            mHeld.push_back(event);
    endRound();
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
