#include "support/XWindowEvents.hpp"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <stdexcept>

namespace
{
class Connection
{
public:
    Connection() : mDisplay(XOpenDisplay(nullptr))
    {
        if (mDisplay == nullptr)
            throw std::runtime_error("no X display for the test");
    }
    ~Connection()
    {
        XSync(mDisplay, False);
        XCloseDisplay(mDisplay);
    }
    Display* get() const { return mDisplay; }

private:
    Display* mDisplay;
};

::Window handleOf(const sf::Window& window)
{
    return static_cast<::Window>(window.getSystemHandle());
}

KeySym keySymOf(sf::Keyboard::Key key)
{
    switch (key)
    {
    case sf::Keyboard::Left:
        return XK_Left;
    case sf::Keyboard::Right:
        return XK_Right;
    case sf::Keyboard::Up:
        return XK_Up;
    case sf::Keyboard::Down:
        return XK_Down;
    case sf::Keyboard::Space:
        return XK_space;
    case sf::Keyboard::A:
        return XK_a;
    case sf::Keyboard::O:
        return XK_o;
    case sf::Keyboard::Z:
        return XK_z;
    case sf::Keyboard::Enter:
        return XK_Return;
    case sf::Keyboard::F11:
        return XK_F11;
    case sf::Keyboard::Escape:
        return XK_Escape;
    case sf::Keyboard::Pause:
        return XK_Pause;
    case sf::Keyboard::P:
        return XK_p;
    case sf::Keyboard::M:
        return XK_m;
    case sf::Keyboard::W:
        return XK_w;
    case sf::Keyboard::S:
        return XK_s;
    case sf::Keyboard::Hyphen:
        return XK_minus;
    case sf::Keyboard::Add:
        return XK_KP_Add;
    default:
        throw std::invalid_argument("key not mapped for tests");
    }
}

unsigned int buttonOf(sf::Mouse::Button button)
{
    switch (button)
    {
    case sf::Mouse::Left:
        return Button1;
    case sf::Mouse::Middle:
        return Button2;
    case sf::Mouse::Right:
        return Button3;
    default:
        throw std::invalid_argument("mouse button not mapped for tests");
    }
}

// What a key or button event sent to the window names besides itself.
template <typename InputEvent>
void addressTo(InputEvent& event, Display* display, const sf::Window& window)
{
    event.display = display;
    event.window = handleOf(window);
    event.root = DefaultRootWindow(display);
    // A moment of its own, a millisecond after the one before: SFML takes a key
    // let go and pressed again at the very same moment for the keyboard's own
    // repeat and drops the release, which a real tap never is.
    static Time moment = 1;
    event.time = ++moment;
    event.same_screen = True;
}
} // namespace

void XWindowEvents::requestClose(const sf::Window& window)
{
    Connection x;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = handleOf(window);
    event.xclient.message_type = XInternAtom(x.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x.get(), handleOf(window), False, NoEventMask, &event);
}

void XWindowEvents::sendKey(const sf::Window& window, sf::Keyboard::Key key, bool pressed, bool alt)
{
    Connection x;
    XEvent event{};
    event.xkey.type = pressed ? KeyPress : KeyRelease;
    addressTo(event.xkey, x.get(), window);
    event.xkey.state = alt ? Mod1Mask : 0;
    event.xkey.keycode = XKeysymToKeycode(x.get(), keySymOf(key));
    XSendEvent(x.get(), handleOf(window), True, pressed ? KeyPressMask : KeyReleaseMask, &event);
}

void XWindowEvents::sendButton(const sf::Window& window, sf::Mouse::Button button, bool pressed,
                               sf::Vector2i at)
{
    Connection x;
    XEvent event{};
    event.xbutton.type = pressed ? ButtonPress : ButtonRelease;
    addressTo(event.xbutton, x.get(), window);
    event.xbutton.x = at.x;
    event.xbutton.y = at.y;
    event.xbutton.button = buttonOf(button);
    XSendEvent(x.get(), handleOf(window), True, pressed ? ButtonPressMask : ButtonReleaseMask,
               &event);
}

void XWindowEvents::resize(const sf::Window& window, unsigned int width, unsigned int height)
{
    Connection x;
    XResizeWindow(x.get(), handleOf(window), width, height);
}

void XWindowEvents::sendFocusOut(const sf::Window& window)
{
    Connection x;
    XEvent event{};
    event.xfocus.type = FocusOut;
    event.xfocus.display = x.get();
    event.xfocus.window = handleOf(window);
    event.xfocus.mode = NotifyNormal;
    event.xfocus.detail = NotifyNonlinear;
    XSendEvent(x.get(), handleOf(window), False, FocusChangeMask, &event);
}
