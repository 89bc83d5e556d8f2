#include "gameplay/Command.hpp"

#include "session/EventPump.hpp"

bool Command::sRunning = true;

namespace
{
bool isPauseKey(sf::Keyboard::Key key)
{
    return key == sf::Keyboard::P || key == sf::Keyboard::Pause || key == sf::Keyboard::Escape;
}
} // namespace

Command::Command(EventPump& events, Gamepad::Layout pad) : mEvents(&events), mGamepad(pad) {}

// Each round hands out the window's events until its queue runs dry, then
// what changed on the pads since the round before.
bool Command::pollEvent(sf::Event& event)
{
    if (!mPadsTurn)
    {
        if (mEvents->pollEvent(event))
            return true;
        mPadsTurn = true;
        if (mEvents->window().isOpen())
            mGamepad.read(mPadEvents);
    }
    if (!mPadEvents.empty() && mEvents->window().isOpen())
    {
        event = mPadEvents.front();
        mPadEvents.pop_front();
        return true;
    }
    mPadEvents.clear();
    mPadsTurn = false;
    return false;
}

bool Command::pollEvents()
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
        case sf::Event::KeyPressed:
        case sf::Event::KeyReleased:
        {
            const bool pressed = event.type == sf::Event::KeyPressed;
            if (isPauseKey(event.key.code))
                pauseKey(pressed);
            else
                recordKey(event.key.code, pressed);
            break;
        }
        case sf::Event::LostFocus:
            // A window that is being made or made again may lose the focus
            // and get it back at once: only a loss that lasts counts.
            if (!mEvents->hasFocus())
                focusLost();
            break;
        default:
            break;
        }
    }
    return any;
}

void Command::recordKey(sf::Keyboard::Key key, bool pressed)
{
    if (key == sf::Keyboard::Space)
        key = sf::Keyboard::Up;
    if (key != sf::Keyboard::Left && key != sf::Keyboard::Right && key != sf::Keyboard::Up)
        return;
    mKey = key;
    mPressed = pressed;
}

void Command::pauseKey(bool pressed)
{
    if (pressed && !mPauseKeyDown)
        mPauseAsked = !mPauseAsked;
    mPauseKeyDown = pressed;
}

// Keys let go while another window has the keyboard send this one no release:
// the last key counts as let go, and the next press of a pause key counts.
void Command::focusLost()
{
    mPauseAsked = true;
    mPressed = false;
    mPauseKeyDown = false;
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
