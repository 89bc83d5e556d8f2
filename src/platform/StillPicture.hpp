#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Window.hpp>

#include <array>
#include <optional>

// Keeps a screen that shows a still picture from drawing it over and over. The
// screen's loop asks before each frame whether to draw, and rests a short step
// when not: short enough that a change shows within one 60 Hz frame.
class StillPicture
{
public:
    // What a screen shows, in up to three numbers of its own: the parts it is
    // made of (which button is lit, which word on the sound, which page of a
    // menu ...), each a new number whenever that part changes.
    using Picture = std::array<int, 3>;

    // The screen names each of its pictures in numbers. True, and the
    // picture counts as drawn, the first time, when the picture differs from
    // the one drawn last, after disturb() or a change of the window's size or
    // of the window itself (a switch to fullscreen makes a new one), and about
    // once a second in any case: the window system does not say when it has
    // lost what was on screen. A screen that is told false rests before it
    // asks again.
    bool needsDrawing(Picture picture, const sf::Window& window);
    bool needsDrawing(int picture, const sf::Window& window)
    {
        return needsDrawing(Picture{picture, 0, 0}, window);
    }

    // Something may have changed what is on screen (a resize, a focus change
    // ...): the picture is drawn in the next few frames, since a window system
    // may still be settling the window's new size into the first of them.
    void disturb();

    static constexpr int DrawsAfterDisturbance = 3;

    // How long a screen rests when told false (Desktop::rest).
    static constexpr int RestMilliseconds = 5;
    // Counted in answers rather than read from a clock, so that a screen's
    // loop reads no clock but its own timers.
    static constexpr int SkipsBetweenRefreshes = 1000 / RestMilliseconds;

private:
    std::optional<Picture> mDrawn;
    sf::Vector2u mWindowSize;
    sf::WindowHandle mWindowHandle = {};
    int mDrawsOwed = 0;
    int mSkipsSinceDrawn = 0;
};
