#include "session/EventPump.hpp"

#include "platform/Desktop.hpp"
#include "platform/WindowMode.hpp"
#include "session/GlobalKeys.hpp"

EventPump::EventPump(sf::RenderWindow& window, Desktop& desktop, WindowMode& windowMode,
                     GlobalKeys& keys)
    : mWindow(window), mDesktop(desktop), mWindowMode(windowMode), mKeys(keys)
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
        mKeys.forgetSwitch();
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
        mKeys.switchModeIfAsked();
    else
        mKeys.forgetSwitch();
}

bool EventPump::handle(const sf::Event& event)
{
    if (event.type == sf::Event::Resized)
        mWindowMode.fitView();
    return mKeys.handle(event);
}
