#include "platform/WindowMode.hpp"

#include "foundation/Field.hpp"

#include <SFML/Window/ContextSettings.hpp>
#include <SFML/Window/WindowStyle.hpp>

#include <algorithm>

namespace
{
// What a desktop keeps beside a window for its title bar, frame and a panel.
constexpr float ReservedWidth = 32.f;
constexpr float ReservedHeight = 96.f;
// However small the desktop claims to be, the window stays large enough to play in.
constexpr float SmallestScale = 0.25f;

sf::Vector2i centred(sf::VideoMode desktop, sf::VideoMode window)
{
    return sf::Vector2i((static_cast<int>(desktop.width) - static_cast<int>(window.width)) / 2,
                        (static_cast<int>(desktop.height) - static_cast<int>(window.height)) / 2);
}
} // namespace

WindowMode::WindowMode(sf::RenderWindow& window) : mWindow(window), mWindowedSize(window.getSize())
{
}

void WindowMode::setIcon(const sf::Image& icon)
{
    mIcon = icon;
    if (mWindow.isOpen())
        applyIcon();
}

// The desktop is asked once for the first window: each question is a round of
// XRandR requests to the X server, and start-up waits for them.
void WindowMode::open(bool fullscreen)
{
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    mWindowedSize = firstWindowSize(desktop);
    create(fullscreen, desktop);
}

void WindowMode::toggleFullscreen()
{
    if (!mFullscreen)
        mWindowedSize = mWindow.getSize();
    create(!mFullscreen, sf::VideoMode::getDesktopMode());
}

void WindowMode::fitView()
{
    mWindow.setView(Field::letterbox(mWindow.getSize()));
}

sf::Vector2u WindowMode::firstWindowSize(sf::VideoMode desktop)
{
    const float roomWidth = static_cast<float>(desktop.width) - ReservedWidth;
    const float roomHeight = static_cast<float>(desktop.height) - ReservedHeight;
    const float scale = std::clamp(std::min(roomWidth / Field::Width, roomHeight / Field::Height),
                                   SmallestScale, 1.f);
    return sf::Vector2u(static_cast<unsigned int>(Field::Width * scale),
                        static_cast<unsigned int>(Field::Height * scale));
}

void WindowMode::create(bool fullscreen, sf::VideoMode desktop)
{
    const sf::VideoMode mode = fullscreen ? sf::VideoMode(desktop.width, desktop.height, 32)
                                          : sf::VideoMode(mWindowedSize.x, mWindowedSize.y, 32);
    mWindow.create(mode, "Vantorix", fullscreen ? sf::Style::Fullscreen : sf::Style::Default,
                   sf::ContextSettings());
    // SFML centres a new window's top on the desktop's width, not its height,
    // which pushes a window on a wide, short desktop off the bottom.
    if (!fullscreen)
        mWindow.setPosition(centred(desktop, mode));
    mFullscreen = fullscreen;
    // A window made again is a new window to the desktop, without the old one's icon.
    applyIcon();
    fitView();
}

void WindowMode::applyIcon()
{
    const sf::Vector2u size = mIcon.getSize();
    if (size.x > 0 && size.y > 0)
        mWindow.setIcon(size.x, size.y, mIcon.getPixelsPtr());
}
