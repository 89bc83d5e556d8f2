#include "support/FakePointer.hpp"
#include "support/ScreenTestMedia.hpp"

#include "foundation/Field.hpp"
#include "gameplay/Command.hpp"
#include "screens/Menu.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/EventPump.hpp"
#include "support/FakeJoystick.hpp"
#include "support/SharedState.hpp"
#include "support/TestSession.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/System/Err.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// Points inside each button, in the menu image's pixels: window pixels too while
// the window is 800 x 800.
const sf::Vector2i OnPlay(400, 550);
const sf::Vector2i OnExit(400, 660);
const sf::Vector2i BetweenButtons(250, 600);
const sf::Vector2i OnOptions(400, 602);
// On the Options button's frame, which the lit button inks gold.
const sf::Vector2i OptionsFrame(330, 602);
const sf::Vector2i AboveButtons(100, 100);

enum class Shown
{
    Neutral,
    PlayLit,
    ExitLit,
    OptionsLit,
    Black,
    Other
};

std::ostream& operator<<(std::ostream& out, Shown shown)
{
    const char* names[] = {"neutral image", "Play image", "Exit image",
                           "Options lit",   "black",      "other"};
    return out << names[static_cast<int>(shown)];
}

bool near(sf::Color a, sf::Color b)
{
    // The test images are JPEGs: allow for the encoder's rounding.
    return std::abs(a.r - b.r) < 16 && std::abs(a.g - b.g) < 16 && std::abs(a.b - b.b) < 16;
}

// Which image the frame drew, read from the back buffer before it is displayed,
// near the image's top-left corner wherever the image is shown.
Shown shownIn(const sf::RenderWindow& window)
{
    sf::Texture frame;
    frame.create(window.getSize().x, window.getSize().y);
    frame.update(window);
    const sf::Vector2i at = window.mapCoordsToPixel(sf::Vector2f(50.f, 50.f));
    const sf::Color pixel =
        frame.copyToImage().getPixel(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y));
    const sf::Vector2i frameAt = window.mapCoordsToPixel(sf::Vector2f(OptionsFrame));
    const sf::Color optionsFrame = frame.copyToImage().getPixel(static_cast<unsigned>(frameAt.x),
                                                                static_cast<unsigned>(frameAt.y));
    if (near(pixel, ScreenTestMedia::Neutral))
        return near(optionsFrame, sf::Color(255, 206, 84)) ? Shown::OptionsLit : Shown::Neutral;
    if (near(pixel, ScreenTestMedia::PlayLit))
        return Shown::PlayLit;
    if (near(pixel, ScreenTestMedia::ExitLit))
        return Shown::ExitLit;
    if (near(pixel, sf::Color::Black))
        return Shown::Black;
    return Shown::Other;
}

// What one frame did: the image on screen after it, whether it drew that image
// itself, and whether it started the hover sound.
struct Frame
{
    Shown shown;
    bool drawn;
    bool hoverSound;
};

class ShownMenu : public Menu
{
public:
    explicit ShownMenu(TestSession& session) : Menu(session), mShownOn(session.window()) {}

    using Menu::areOptionsOpen;
    using Menu::isMenuShown;
    using Menu::song;

    // One frame as the menu's loop runs it, what it drew looked at before it
    // is displayed. A frame that draws nothing leaves the last picture showing.
    Frame frame()
    {
        const bool drawn = showFrame();
        if (drawn)
            mOnScreen = shownIn(mShownOn);
        const Frame seen{mOnScreen, drawn, hoverSound().getStatus() == sf::Sound::Playing};
        // Stopped again, so that the next start is seen even if the sound is still playing.
        hoverSound().stop();
        if (drawn)
            mShownOn.display();
        return seen;
    }

private:
    sf::RenderWindow& mShownOn;
    Shown mOnScreen = Shown::Other;
};
} // namespace

class MenuScreen : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    void SetUp() override { FakePointer::moveTo(AboveButtons); }
    void TearDown() override
    {
        FakePointer::onRead({});
        FakeJoystick::unplugAll();
    }

    // Runs the menu's own loop, closing the window if it has not ended after
    // many frames, so that a fault fails the test instead of hanging it. The
    // menu reads the pointer in every frame; each reading runs `look` first.
    void runBounded(Menu& menu)
    {
        runBounded(menu, [] {});
    }
    void runBounded(Menu& menu, const std::function<void()>& look)
    {
        int readings = 0;
        FakePointer::onRead(
            [&]
            {
                look();
                if (++readings == 2000)
                {
                    ADD_FAILURE() << "the menu did not end";
                    mWindow.close();
                }
            });
        menu.run();
        FakePointer::onRead({});
    }

    // Frames until the field has been letterboxed into a resize sent after
    // other events, so that those earlier events have been handled too.
    void resizeAndWait(ShownMenu& menu, unsigned int width, unsigned int height)
    {
        const sf::Vector2u size(width, height);
        XWindowEvents::resize(mWindow, width, height);
        ASSERT_TRUE(pumpUntil([&] { menu.frame(); },
                              [&]
                              {
                                  return mWindow.getSize() == size &&
                                         mWindow.getView().getViewport() ==
                                             Field::letterbox(size).getViewport();
                              }));
    }

    // Presses and lets go of a key, then runs frames until a resize sent behind
    // it has been handled: what the last frame showed, and whether any of them
    // started the hover sound.
    Frame afterKey(ShownMenu& menu, sf::Keyboard::Key key)
    {
        XWindowEvents::sendKey(mWindow, key, true);
        XWindowEvents::sendKey(mWindow, key, false);
        Frame seen{Shown::Other, false, false};
        const sf::Vector2u size(mWindow.getSize().x + 10, 800);
        XWindowEvents::resize(mWindow, size.x, size.y);
        EXPECT_TRUE(pumpUntil(
            [&]
            {
                const Frame frame = menu.frame();
                seen.shown = frame.shown;
                seen.hoverSound = seen.hoverSound || frame.hoverSound;
            },
            [&] { return mWindow.getSize() == size; }));
        return seen;
    }

    // Where a point of the menu image is shown in the window.
    sf::Vector2i shownAt(sf::Vector2i imagePoint) const
    {
        return mWindow.mapCoordsToPixel(sf::Vector2f(imagePoint));
    }

    ScopedWorkingDirectory mInMediaFolder{ScreenTestMedia::folder()};
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
};

TEST_F(MenuScreen, PointerOutsideTheButtonsShowsTheNeutralImageSilently)
{
    ShownMenu menu(mSession);
    const Frame frame = menu.frame();
    EXPECT_EQ(frame.shown, Shown::Neutral);
    EXPECT_FALSE(frame.hoverSound);
}

// Each button lit sounds once, also one right beside the button lit before.
TEST_F(MenuScreen, HoverSoundPlaysOncePerButtonLit)
{
    struct Step
    {
        sf::Vector2i pointer;
        Shown shown;
        bool hoverSound;
        const char* what;
    };
    const std::vector<Step> steps = {
        {AboveButtons, Shown::Neutral, false, "outside"},
        {OnPlay, Shown::PlayLit, true, "enters Play"},
        {OnPlay + sf::Vector2i(1, 1), Shown::PlayLit, false, "rests on Play"},
        {BetweenButtons, Shown::Neutral, false, "leaves for the gap"},
        {OnPlay, Shown::PlayLit, true, "enters Play again"},
        {OnOptions, Shown::OptionsLit, true, "straight from Play to Options"},
        {OnExit, Shown::ExitLit, true, "straight on to Exit"},
        {OnExit, Shown::ExitLit, false, "rests on Exit"},
        {AboveButtons, Shown::Neutral, false, "leaves"},
        {OnExit, Shown::ExitLit, true, "enters Exit"},
        {OnPlay, Shown::PlayLit, true, "straight from Exit to Play"},
    };

    ShownMenu menu(mSession);
    for (const Step& step : steps)
    {
        FakePointer::moveTo(step.pointer);
        const Frame frame = menu.frame();
        EXPECT_EQ(frame.shown, step.shown) << step.what;
        EXPECT_EQ(frame.hoverSound, step.hoverSound) << step.what;
    }
}

TEST_F(MenuScreen, ThePictureIsDrawnAgainOnlyWhenSomethingChanged)
{
    struct Step
    {
        sf::Vector2i pointer;
        bool drawn;
        const char* what;
    };
    ShownMenu menu(mSession);
    // A window's events (mapping, focus, a resize) each draw it again while it
    // settles; then a tenth of a second of frames passes without a draw. Other
    // test programs' windows on the same X server move the focus now and then,
    // so a few tries are allowed.
    const auto settles = [&menu]
    {
        int quietFrames = 0;
        const auto quiet = [&] { quietFrames = menu.frame().drawn ? 0 : quietFrames + 1; };
        for (int tries = 0; tries < 5; ++tries)
            if (pumpUntil(quiet, [&] { return quietFrames == 20; }))
                return true;
        return false;
    };
    EXPECT_TRUE(menu.frame().drawn) << "first frame";
    ASSERT_TRUE(settles());

    const std::vector<Step> steps = {
        {AboveButtons, false, "nothing changed"},
        {AboveButtons + sf::Vector2i(5, 5), false, "pointer moved off the buttons"},
        {OnPlay, true, "pointer onto Play"},
        {OnPlay + sf::Vector2i(1, 1), false, "resting on Play"},
        {AboveButtons, true, "pointer off Play"},
    };
    // Each step is looked at from a settled picture. A draw where none is due
    // may be another window taking the focus: the step is tried again from
    // where the pointer was, and only a draw every time fails it.
    sf::Vector2i from = AboveButtons;
    for (const Step& step : steps)
    {
        bool drawn = !step.drawn;
        for (int tries = 0; tries < 5 && drawn != step.drawn; ++tries)
        {
            FakePointer::moveTo(from);
            ASSERT_TRUE(settles()) << step.what;
            FakePointer::moveTo(step.pointer);
            drawn = menu.frame().drawn;
        }
        EXPECT_EQ(drawn, step.drawn) << step.what;
        from = step.pointer;
    }

    // A resize leaves the picture the same but the window not.
    XWindowEvents::resize(mWindow, 820, 800);
    Frame last{};
    ASSERT_TRUE(pumpUntil([&] { last = menu.frame(); },
                          [&] { return mWindow.getSize() == sf::Vector2u(820, 800); }));
    EXPECT_TRUE(last.drawn) << "the frame that saw the resize";
    EXPECT_TRUE(settles()) << "after the resize";
}

struct BorderCase
{
    sf::Vector2i pointer;
    Shown shown;
    const char* name;
};

void PrintTo(const BorderCase& border, std::ostream* out)
{
    *out << border.name;
}

std::string nameOf(const ::testing::TestParamInfo<BorderCase>& info)
{
    return info.param.name;
}

class MenuButtonBorder : public MenuScreen, public ::testing::WithParamInterface<BorderCase>
{
};

TEST_P(MenuButtonBorder, PointsOnABorderAreOutside)
{
    ShownMenu menu(mSession);
    FakePointer::moveTo(GetParam().pointer);
    EXPECT_EQ(menu.frame().shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    EveryBound, MenuButtonBorder,
    ::testing::Values(BorderCase{{296, 550}, Shown::Neutral, "PlayLeftBorder"},
                      BorderCase{{297, 550}, Shown::PlayLit, "PlayInsideLeftBorder"},
                      BorderCase{{509, 550}, Shown::Neutral, "PlayRightBorder"},
                      BorderCase{{508, 550}, Shown::PlayLit, "PlayInsideRightBorder"},
                      BorderCase{{400, 516}, Shown::Neutral, "PlayTopBorder"},
                      BorderCase{{400, 517}, Shown::PlayLit, "PlayInsideTopBorder"},
                      BorderCase{{400, 579}, Shown::Neutral, "PlayBottomBorder"},
                      BorderCase{{400, 578}, Shown::PlayLit, "PlayInsideBottomBorder"},
                      BorderCase{{317, 660}, Shown::Neutral, "ExitLeftBorder"},
                      BorderCase{{318, 660}, Shown::ExitLit, "ExitInsideLeftBorder"},
                      BorderCase{{480, 660}, Shown::Neutral, "ExitRightBorder"},
                      BorderCase{{479, 660}, Shown::ExitLit, "ExitInsideRightBorder"},
                      BorderCase{{400, 625}, Shown::Neutral, "ExitTopBorder"},
                      BorderCase{{400, 626}, Shown::ExitLit, "ExitInsideTopBorder"},
                      BorderCase{{400, 693}, Shown::Neutral, "ExitBottomBorder"},
                      BorderCase{{400, 692}, Shown::ExitLit, "ExitInsideBottomBorder"}),
    nameOf);

TEST_F(MenuScreen, PointerIsMappedThroughTheWindowsView)
{
    ShownMenu menu(mSession);
    // Settle the window first: the menu resets the view on every resize.
    ASSERT_NO_FATAL_FAILURE(resizeAndWait(menu, 810, 800));
    // A view twice the window's size draws the image at half size: the
    // buttons then sit at half their image coordinates in the window.
    mWindow.setView(sf::View(sf::FloatRect(0.f, 0.f, 1620.f, 1600.f)));

    FakePointer::moveTo(OnPlay / 2);
    EXPECT_EQ(menu.frame().shown, Shown::PlayLit);
    FakePointer::moveTo(OnExit / 2);
    EXPECT_EQ(menu.frame().shown, Shown::ExitLit);
    FakePointer::moveTo(OnPlay);
    EXPECT_EQ(menu.frame().shown, Shown::Neutral);
}

// The image is scaled to fit the window, with bars on two sides: the buttons
// answer where they are drawn, and the bars light nothing.
TEST_F(MenuScreen, AtAnyWindowSizeTheButtonsAnswerWhereTheyAreDrawn)
{
    struct Case
    {
        sf::Vector2u size;
        std::optional<sf::Vector2i> inBar; // a window pixel left of or above the image
    };
    const Case cases[] = {
        {{1000, 1000}, std::nullopt},          {{1200, 800}, sf::Vector2i(100, 550)},
        {{800, 1200}, sf::Vector2i(400, 100)}, {{400, 400}, std::nullopt},
        {{1000, 900}, sf::Vector2i(25, 550)},
    };
    ShownMenu menu(mSession);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.size.x) + " x " + std::to_string(c.size.y));
        ASSERT_NO_FATAL_FAILURE(resizeAndWait(menu, c.size.x, c.size.y));

        FakePointer::moveTo(shownAt(OnPlay));
        EXPECT_EQ(menu.frame().shown, Shown::PlayLit);
        FakePointer::moveTo(shownAt(OnExit));
        EXPECT_EQ(menu.frame().shown, Shown::ExitLit);
        FakePointer::moveTo(shownAt(BetweenButtons));
        EXPECT_EQ(menu.frame().shown, Shown::Neutral);
        if (c.inBar)
        {
            FakePointer::moveTo(*c.inBar);
            EXPECT_EQ(menu.frame().shown, Shown::Neutral) << "pointer in a bar";
        }
    }
}

TEST_F(MenuScreen, GoesOnInFullscreenWithTheButtonsWhereTheyAreDrawn)
{
    ShownMenu menu(mSession);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::F11, true);
    ASSERT_TRUE(pumpUntil([&] { menu.frame(); }, [&] { return mSession.isFullscreen(); }));

    FakePointer::moveTo(shownAt(OnPlay));
    EXPECT_EQ(menu.frame().shown, Shown::PlayLit);
    FakePointer::moveTo(shownAt(OnExit));
    EXPECT_EQ(menu.frame().shown, Shown::ExitLit);
    EXPECT_TRUE(menu.isMenuShown());
}

TEST_F(MenuScreen, LeftClickOnPlayEndsTheMenuWithTheWindowOpen)
{
    ShownMenu menu(mSession);
    FakePointer::moveTo(OnPlay);
    // The click's own coordinates do not matter: the pointer's position does.
    XWindowEvents::sendButton(mWindow, sf::Mouse::Left, true, {0, 0});

    runBounded(menu);

    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_TRUE(Command::isRunning());
    EXPECT_FALSE(menu.isMenuShown());
    EXPECT_EQ(shownIn(mWindow), Shown::Black) << "cleared once the loop ends";
}

TEST_F(MenuScreen, LeftClickOnExitClosesTheWindowAndStopsTheApplication)
{
    ShownMenu menu(mSession);
    FakePointer::moveTo(OnExit);
    XWindowEvents::sendButton(mWindow, sf::Mouse::Left, true, OnExit);

    runBounded(menu);

    EXPECT_FALSE(mWindow.isOpen());
    EXPECT_FALSE(Command::isRunning());
}

TEST_F(MenuScreen, CloseRequestClosesTheWindowAndStopsTheApplication)
{
    ShownMenu menu(mSession);
    XWindowEvents::requestClose(mWindow);

    runBounded(menu);

    EXPECT_FALSE(mWindow.isOpen());
    EXPECT_FALSE(Command::isRunning());
}

TEST_F(MenuScreen, ClicksThatChooseNothingLeaveTheMenuShowing)
{
    struct Click
    {
        sf::Mouse::Button button;
        sf::Vector2i pointer;
        const char* what;
    };
    const std::vector<Click> clicks = {
        {sf::Mouse::Right, OnPlay, "right click on Play"},
        {sf::Mouse::Right, OnExit, "right click on Exit"},
        {sf::Mouse::Middle, OnExit, "middle click on Exit"},
        {sf::Mouse::Left, BetweenButtons, "left click between the buttons"},
        {sf::Mouse::Left, AboveButtons, "left click above the buttons"},
    };

    ShownMenu menu(mSession);
    unsigned int width = 800;
    for (const Click& click : clicks)
    {
        FakePointer::moveTo(click.pointer);
        XWindowEvents::sendButton(mWindow, click.button, true, click.pointer);
        XWindowEvents::sendButton(mWindow, click.button, false, click.pointer);
        // A resize behind the click tells when the click has been handled.
        ASSERT_NO_FATAL_FAILURE(resizeAndWait(menu, width += 10, 800)) << click.what;

        EXPECT_TRUE(menu.isMenuShown()) << click.what;
        EXPECT_TRUE(mWindow.isOpen()) << click.what;
        EXPECT_TRUE(Command::isRunning()) << click.what;
    }
}

TEST_F(MenuScreen, SongLoopsAtFullVolumeWhileTheMenuShows)
{
    ShownMenu menu(mSession);
    EXPECT_EQ(menu.song().getStatus(), sf::Music::Stopped);

    FakePointer::moveTo(OnPlay);
    XWindowEvents::sendButton(mWindow, sf::Mouse::Left, true, OnPlay);
    std::vector<sf::Music::Status> whileShown;
    runBounded(menu, [&] { whileShown.push_back(menu.song().getStatus()); });

    ASSERT_FALSE(whileShown.empty());
    for (sf::Music::Status status : whileShown)
        EXPECT_EQ(status, sf::Music::Playing);
    EXPECT_TRUE(menu.song().getLoop());
    EXPECT_FLOAT_EQ(menu.song().getVolume(), 100.f);
    EXPECT_EQ(menu.song().getStatus(), sf::Music::Stopped);
}

TEST_F(MenuScreen, RunOnAClosedWindowReturnsAtOnceWithoutQuitting)
{
    ShownMenu menu(mSession);
    mWindow.close();
    int readings = 0;
    FakePointer::onRead([&] { ++readings; });

    menu.run();

    EXPECT_EQ(readings, 0) << "no frame is run";
    EXPECT_EQ(menu.song().getStatus(), sf::Music::Stopped);
    EXPECT_TRUE(Command::isRunning());
}

TEST_F(MenuScreen, WithoutMediaLoadsAreReportedInOrderAndTheMenuStillRuns)
{
    const TemporaryFolder emptyFolder;
    ScopedWorkingDirectory inEmptyFolder(emptyFolder);
    auto console = std::make_unique<ConsoleCapture>();
    ShownMenu menu(mSession);
    const std::string loaded = console->text();
    console.reset();

    // The song is opened by the menu itself and is not reported.
    EXPECT_EQ(loaded, "Media/Textures/Menu/LoadScreenNeutral.jpg failed to load\n"
                      "Media/Textures/Menu/LoadScreenPlay.jpg failed to load\n"
                      "Media/Textures/Menu/LoadScreenExit.jpg failed to load\n"
                      "Media/SoundBuffers/Hover.wav failed to load\n");

    FakePointer::moveTo(OnPlay);
    XWindowEvents::sendButton(mWindow, sf::Mouse::Left, true, OnPlay);
    // SFML reports a stream told to play without a file on its error stream.
    std::ostringstream libraryErrors;
    std::streambuf* const errors = sf::err().rdbuf(libraryErrors.rdbuf());
    runBounded(menu);
    sf::err().rdbuf(errors);
    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_FALSE(menu.isMenuShown());
    EXPECT_EQ(menu.song().getStatus(), sf::Music::Stopped);
    EXPECT_EQ(libraryErrors.str(), "") << "no song was started";
}

// Whichever moved last, the keys or the pointer, decides what is lit; each
// button the keys light sounds as one the pointer enters.
TEST_F(MenuScreen, KeysLightTheButtonsAsThePointerDoes)
{
    struct Step
    {
        std::optional<sf::Keyboard::Key> key;
        std::optional<sf::Vector2i> pointer;
        Shown shown;
        bool hoverSound;
        const char* what;
    };
    const std::vector<Step> steps = {
        {sf::Keyboard::Down, {}, Shown::PlayLit, true, "Down with nothing lit"},
        {sf::Keyboard::Down, {}, Shown::OptionsLit, true, "Down again"},
        {sf::Keyboard::S, {}, Shown::ExitLit, true, "S"},
        {sf::Keyboard::S, {}, Shown::ExitLit, false, "S on the last button"},
        {sf::Keyboard::W, {}, Shown::OptionsLit, true, "W"},
        {sf::Keyboard::Up, {}, Shown::PlayLit, true, "Up"},
        {sf::Keyboard::Up, {}, Shown::PlayLit, false, "Up on the first button"},
        {{}, AboveButtons, Shown::PlayLit, false, "the pointer rests"},
        {{}, OnExit, Shown::ExitLit, true, "the pointer enters Exit"},
        {sf::Keyboard::Up, {}, Shown::OptionsLit, true, "Up under the resting pointer"},
        {{}, OnOptions, Shown::OptionsLit, false, "the pointer moves onto Options"},
        {{}, OnExit + sf::Vector2i(2, 0), Shown::ExitLit, true, "the pointer moves on to Exit"},
        {{}, BetweenButtons, Shown::Neutral, false, "the pointer leaves"},
        {sf::Keyboard::Up, {}, Shown::PlayLit, true, "Up with nothing lit"},
    };

    ShownMenu menu(mSession);
    menu.frame();
    for (const Step& step : steps)
    {
        Frame frame{};
        if (step.key)
            frame = afterKey(menu, *step.key);
        else
        {
            FakePointer::moveTo(*step.pointer);
            frame = menu.frame();
        }
        EXPECT_EQ(frame.shown, step.shown) << step.what;
        EXPECT_EQ(frame.hoverSound, step.hoverSound) << step.what;
    }
    EXPECT_TRUE(menu.isMenuShown());
}

struct KeyChoice
{
    std::vector<sf::Keyboard::Key> keys;
    bool plays; // or else exits
    const char* name;
};

void PrintTo(const KeyChoice& choice, std::ostream* out)
{
    *out << choice.name;
}

class MenuKeyChoice : public MenuScreen, public ::testing::WithParamInterface<KeyChoice>
{
};

TEST_P(MenuKeyChoice, EndsTheMenuAsTheButtonWould)
{
    ShownMenu menu(mSession);
    for (sf::Keyboard::Key key : GetParam().keys)
    {
        XWindowEvents::sendKey(mWindow, key, true);
        XWindowEvents::sendKey(mWindow, key, false);
    }

    runBounded(menu);

    EXPECT_EQ(mWindow.isOpen(), GetParam().plays);
    EXPECT_EQ(Command::isRunning(), GetParam().plays);
    EXPECT_FALSE(menu.isMenuShown() && mWindow.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuKeyChoice,
    ::testing::Values(
        KeyChoice{{sf::Keyboard::Enter}, true, "EnterWithNothingLit"},
        KeyChoice{{sf::Keyboard::Down, sf::Keyboard::Enter}, true, "EnterOnPlay"},
        KeyChoice{{sf::Keyboard::Down, sf::Keyboard::S, sf::Keyboard::S, sf::Keyboard::Enter},
                  false,
                  "EnterOnExit"},
        KeyChoice{{sf::Keyboard::Space, sf::Keyboard::W, sf::Keyboard::Space},
                  true,
                  "SpaceOnPlayAfterSpaceWithNothingLit"},
        KeyChoice{{sf::Keyboard::Down, sf::Keyboard::Down, sf::Keyboard::Down, sf::Keyboard::Space},
                  false,
                  "SpaceOnExit"},
        KeyChoice{{sf::Keyboard::Escape}, false, "Escape"},
        KeyChoice{{sf::Keyboard::Down, sf::Keyboard::Escape}, false, "EscapeWithPlayLit"}),
    [](const ::testing::TestParamInfo<KeyChoice>& choice)
    { return std::string(choice.param.name); });

TEST_F(MenuScreen, AGamepadLightsAndChoosesAsTheKeysDo)
{
    FakeJoystick::plugIn(0);
    FakeJoystick::press(0, 0); // still held from the game before
    ShownMenu menu(mSession);
    EXPECT_EQ(menu.frame().shown, Shown::Neutral);
    FakeJoystick::press(0, 0, false);
    FakeJoystick::lean(0, sf::Joystick::PovY, 100.f);
    EXPECT_EQ(menu.frame().shown, Shown::PlayLit);
    FakeJoystick::lean(0, sf::Joystick::PovY, 0.f);
    menu.frame();
    FakeJoystick::lean(0, sf::Joystick::Y, 100.f);
    EXPECT_EQ(menu.frame().shown, Shown::OptionsLit);
    FakeJoystick::lean(0, sf::Joystick::Y, 0.f);
    menu.frame();
    FakeJoystick::lean(0, sf::Joystick::PovY, 100.f);
    EXPECT_EQ(menu.frame().shown, Shown::ExitLit);
    EXPECT_TRUE(menu.isMenuShown()) << "the button held since before the menu chose nothing";

    FakeJoystick::press(0, 0);
    menu.frame();
    EXPECT_FALSE(mWindow.isOpen());
    EXPECT_FALSE(Command::isRunning());
}

// O opens the options over the menu and Escape goes back to it; a pad does the
// same with the stick, A and B. Neither ends the menu.
TEST_F(MenuScreen, TheOptionsOpenOverTheMenuAndGoBackToIt)
{
    ShownMenu menu(mSession);
    menu.frame();
    afterKey(menu, sf::Keyboard::O);
    EXPECT_TRUE(menu.areOptionsOpen());
    afterKey(menu, sf::Keyboard::Escape);
    EXPECT_FALSE(menu.areOptionsOpen());

    FakeJoystick::plugIn(0);
    const auto frameWith = [&](const std::function<void()>& change)
    {
        change();
        return menu.frame().shown;
    };
    frameWith([] {});
    const auto push = [&](unsigned int button)
    {
        frameWith([&] { FakeJoystick::press(0, button); });
        frameWith([&] { FakeJoystick::press(0, button, false); });
    };
    frameWith([] { FakeJoystick::lean(0, sf::Joystick::PovY, -100.f); });
    frameWith([] { FakeJoystick::lean(0, sf::Joystick::PovY, 0.f); });
    EXPECT_EQ(frameWith([] {}), Shown::PlayLit);
    frameWith([] { FakeJoystick::lean(0, sf::Joystick::PovY, 100.f); });
    EXPECT_EQ(frameWith([] { FakeJoystick::lean(0, sf::Joystick::PovY, 0.f); }), Shown::OptionsLit);
    push(0);
    EXPECT_TRUE(menu.areOptionsOpen());
    push(1);
    EXPECT_FALSE(menu.areOptionsOpen());
    push(1);
    EXPECT_TRUE(menu.isMenuShown()) << "B on the title menu does not quit";
    EXPECT_TRUE(mWindow.isOpen());
}

// A walk down the options by keys: each entry changes what it names at once,
// and a key chosen for an action can be taken back or reset.
TEST_F(MenuScreen, EachOptionChangesItsSettingAtOnce)
{
    using K = sf::Keyboard;
    const ScreenContext& context = mSession;
    const Preferences& chosen = context.preferences;
    const auto fireKeys = [&] { return chosen.keys().keys(KeyBindings::Action::Fire); };
    const std::vector<K::Key> defaultFire = fireKeys();
    struct Step
    {
        std::vector<K::Key> keys;
        std::function<bool()> holds;
        const char* what;
    };
    const std::vector<Step> walk = {
        {{K::O, K::Up, K::Left},
         [&] { return context.volume.volume() == 90; },
         "Up on the first entry stays there; volume down a step"},
        {{K::Down, K::Left, K::Left}, [&] { return chosen.music() == 80; }, "music down two"},
        {{K::Down, K::Left}, [&] { return chosen.effects() == 90; }, "effects down one"},
        {{K::Down, K::Enter}, [&] { return context.volume.isMuted(); }, "muted"},
        {{K::Down, K::Down, K::Right}, [&] { return chosen.maxFps() == 60u; }, "capped at 60"},
        {{K::Left, K::Left}, [&] { return chosen.maxFps() == 144u; }, "round to 144"},
        {{K::Down, K::Down, K::Enter, K::Right, K::Escape},
         [&] { return chosen.values().mode == PlayMode::Relaxed; },
         "relaxed, for the games to come"},
        {{K::Down, K::Enter, K::Down, K::Down, K::Enter, K::Z},
         [&] { return fireKeys() == std::vector<K::Key>{K::Z}; },
         "Z fires"},
        {{K::Enter, K::Escape},
         [&] { return fireKeys() == std::vector<K::Key>{K::Z}; },
         "Escape takes the question back"},
        {{K::Enter, K::M},
         [&] { return fireKeys() == std::vector<K::Key>{K::Z} && context.volume.isMuted(); },
         "M is refused: it stays the mute key, and mutes nothing"},
        {{K::Escape, K::Down, K::Down, K::Enter},
         [&] { return fireKeys() == defaultFire; },
         "reset to defaults"},
        {{K::Down, K::Down, K::Down, K::Enter},
         [&] { return fireKeys() == defaultFire; },
         "Down past the last entry stays on Back, which goes back"},
    };
    ShownMenu menu(mSession);
    menu.frame();
    for (const Step& step : walk)
    {
        for (const K::Key key : step.keys)
            afterKey(menu, key);
        EXPECT_TRUE(step.holds()) << step.what;
    }
    EXPECT_TRUE(menu.areOptionsOpen());
    afterKey(menu, K::Escape);
    EXPECT_FALSE(menu.areOptionsOpen()) << "the options' first page was showing";
}
