#include "actors/Enemy.hpp"
#include "config/Preferences.hpp"
#include "config/SettingsTable.hpp"
#include "gameplay/Command.hpp"
#include "presentation/PauseOverlay.hpp"
#include "presentation/ScoreBoard.hpp"
#include "resources/ResourceCache.hpp"
#include "support/EventPump.hpp"
#include "support/FakeClock.hpp"
#include "support/FakeFocus.hpp"
#include "support/FakeJoystick.hpp"
#include "support/NodeInternals.hpp"
#include "support/PlayMedia.hpp"
#include "support/PlayScreen.hpp"
#include "support/SceneInspection.hpp"
#include "support/SharedState.hpp"
#include "support/TestSession.hpp"
#include "support/TestWindow.hpp"
#include "support/WindowCapture.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using SceneInspection::childOf;

class PausedPlay : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    // Presses and lets go of a key; returns once the play screen has seen it.
    void tap(sf::Keyboard::Key key, bool pausedAfter)
    {
        XWindowEvents::sendKey(mWindow, key, true);
        XWindowEvents::sendKey(mWindow, key, false);
        ASSERT_TRUE(pumpUntil([&] { mGame.processEvents(); },
                              [&] { return mGame.isPaused() == pausedAfter; }));
    }

    // Frames of the play loop's steps, while the time passes on the test clock.
    void play(float seconds, float step = 0.1f)
    {
        for (float done = 0.f; done < seconds - step / 2.f; done += step)
        {
            FakeClock::advanceSeconds(step);
            mGame.processEvents();
            mGame.update(sf::seconds(step));
            mGame.render();
        }
    }

    int enemies()
    {
        int count = 0;
        for (SceneNode* node : SceneInspection::childrenOf(mGame.sceneGraph()))
            count += dynamic_cast<Enemy*>(node) != nullptr;
        return count;
    }
    SceneNode& ship() { return childOf(childOf(mGame.sceneGraph(), 1), 0); }
    std::size_t shots() { return SceneInspection::childrenOf(ship()).size(); }
    const ScoreBoard& board() { return dynamic_cast<ScoreBoard&>(childOf(mGame.sceneGraph(), 3)); }

    // Where every node of the tree is, and the picture the tree draws.
    std::vector<sf::FloatRect> placesOfNodes()
    {
        std::vector<sf::FloatRect> places;
        NodeInternals::forEachNode(mGame.sceneGraph(), [&](SceneNode& node)
                                   { places.push_back(node.getBoundingRect()); });
        return places;
    }
    std::vector<sf::Uint8> picture()
    {
        mWindow.clear(sf::Color::Black);
        mGame.sceneGraph().draw(mWindow);
        const sf::Image image = WindowCapture::grab(mWindow);
        const sf::Uint8* pixels = image.getPixelsPtr();
        return std::vector<sf::Uint8>(pixels, pixels + image.getSize().x * image.getSize().y * 4);
    }

    ScopedWorkingDirectory mInMedia{TestFolders::withMedia()};
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
    PlayScreen mGame{mSession};
};

// Game time 0.3 s when the pause begins; every mark below counts no pause.
TEST_F(PausedPlay, EveryGameTimerWaitsOutThePause)
{
    play(0.3f);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true); // reaches the ship after the pause
    tap(sf::Keyboard::P, true);
    play(60.f, 0.5f);
    EXPECT_EQ(enemies(), 0) << "the first enemy comes 3 s into play";
    EXPECT_EQ(shots(), 0u) << "no shot while paused";
    EXPECT_TRUE(board().isBannerShown());

    tap(sf::Keyboard::P, false);
    play(0.2f);
    EXPECT_EQ(shots(), 0u) << "0.5 s since the ship was made, not more";
    play(0.2f);
    EXPECT_EQ(shots(), 1u);
    play(2.1f);
    EXPECT_EQ(enemies(), 0) << "2.8 s into play";
    play(0.4f);
    EXPECT_EQ(enemies(), 1) << "3.2 s into play";
    play(1.7f);
    EXPECT_TRUE(board().isBannerShown()) << "4.8 s since the banner was first drawn";
    play(0.4f);
    EXPECT_FALSE(board().isBannerShown());
}

TEST_F(PausedPlay, NothingMovesWhilePausedHoweverLongTheFrames)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    play(3.5f);
    ASSERT_EQ(enemies(), 1);
    ASSERT_LT(ship().getSpritePosition().x, 380.f) << "Left was held";
    tap(sf::Keyboard::Pause, true);
    const std::vector<sf::FloatRect> places = placesOfNodes();
    const std::vector<sf::Uint8> seen = picture();

    play(30.f, 5.f);
    EXPECT_EQ(placesOfNodes(), places);
    EXPECT_TRUE(picture() == seen) << "the background scrolled";
    tap(sf::Keyboard::Escape, false);
    play(0.1f);
    EXPECT_NE(placesOfNodes(), places);
}

// Start pauses and goes on at once, and so does B as it goes back in every
// menu; paused, the stick and A work the menu, whose last entry leaves the
// game for the title menu.
TEST_F(PausedPlay, APadAloneWorksThePauseMenu)
{
    FakeJoystick::plugIn(0);
    const auto frameWith = [&](const std::function<void()>& change)
    {
        change();
        mGame.processEvents();
    };
    const auto push = [&](unsigned int button)
    {
        frameWith([&] { FakeJoystick::press(0, button); });
        frameWith([&] { FakeJoystick::press(0, button, false); });
    };
    const auto lean = [&]
    {
        frameWith([&] { FakeJoystick::lean(0, sf::Joystick::Y, 100.f); });
        frameWith([&] { FakeJoystick::lean(0, sf::Joystick::Y, 0.f); });
    };
    frameWith([] {});
    push(7);
    EXPECT_TRUE(mGame.isPaused());
    push(7);
    EXPECT_FALSE(mGame.isPaused()) << "Start goes on at once";
    push(7);
    push(1);
    EXPECT_FALSE(mGame.isPaused()) << "B goes back from the pause menu, into play";
    push(7);
    lean();
    lean();
    push(0);
    EXPECT_TRUE(mGame.quitToTitle());
    EXPECT_FALSE(mGame.isPlaying());
    FakeJoystick::unplugAll();
}

// What happens to the keys while the game is paused holds when play goes on:
// a key let go meanwhile, or every key at once when the window loses the
// keyboard, leaves the ship still and silent.
TEST_F(PausedPlay, KeysLetGoWhilePausedReachTheShipWhenPlayGoesOn)
{
    for (const bool focusLost : {false, true})
    {
        XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
        XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
        ASSERT_TRUE(pumpUntil([&] { play(0.1f); }, [&] { return shots() > 0; }));
        if (focusLost)
        {
            FakeFocus::set(false);
            XWindowEvents::sendFocusOut(mWindow);
            ASSERT_TRUE(
                pumpUntil([&] { mGame.processEvents(); }, [&] { return mGame.isPaused(); }));
            FakeFocus::set(true);
        }
        else
        {
            tap(sf::Keyboard::P, true);
            XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, false);
            XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, false);
        }
        tap(sf::Keyboard::P, false);
        // The scene moves before it hears the frame's keys: one frame more as before.
        play(0.1f);
        const float x = ship().getSpritePosition().x;
        ASSERT_GT(x, 0.f) << "room to go on moving left";
        play(1.5f); // every missile fired before the pause has left the field
        EXPECT_EQ(ship().getSpritePosition().x, x) << (focusLost ? "focus lost" : "let go");
        EXPECT_EQ(shots(), 0u) << (focusLost ? "focus lost" : "let go");
    }
}

// Paused, Back (Escape) goes on as Resume does; while the Keys page waits for
// a key, the pause key is the player's answer, not the end of the pause.
TEST_F(PausedPlay, ThePauseMenuGoesBackToPlayUnlessAKeyIsAskedFor)
{
    tap(sf::Keyboard::P, true);
    tap(sf::Keyboard::Escape, false);

    tap(sf::Keyboard::P, true);
    // Options; past the first page's rows and the mode to Keys; Fire (the third); and P.
    using K = sf::Keyboard;
    std::vector<K::Key> keys = {K::Down, K::Enter};
    keys.insert(keys.end(),
                1 + std::count_if(SettingsTable::rows().begin(), SettingsTable::rows().end(),
                                  [](const auto& row)
                                  { return row.page == SettingsTable::Page::Options; }),
                K::Down);
    keys.insert(keys.end(), {K::Enter, K::Down, K::Down, K::Enter, K::P});
    for (const sf::Keyboard::Key key : keys)
    {
        XWindowEvents::sendKey(mWindow, key, true);
        XWindowEvents::sendKey(mWindow, key, false);
    }
    const auto& bound = mSession.context().preferences.keys();
    ASSERT_TRUE(pumpUntil([&] { mGame.processEvents(); },
                          [&]
                          {
                              return bound.keys(KeyBindings::Action::Fire) ==
                                     std::vector<sf::Keyboard::Key>{sf::Keyboard::P};
                          }));
    EXPECT_TRUE(mGame.isPaused());
}

TEST_F(PausedPlay, ClosingWhilePausedEndsPlayAndTheProgram)
{
    tap(sf::Keyboard::P, true);
    XWindowEvents::requestClose(mWindow);
    ASSERT_TRUE(pumpUntil([&] { mGame.processEvents(); }, [&] { return !mWindow.isOpen(); }));
    mGame.run();
    EXPECT_FALSE(Command::isRunning());
}

// Over a white field: grey where the field is dimmed, white letters.
TEST(PauseOverlayLook, DimsTheFieldUnderPausedAndHowToGoOn)
{
    ResourceCache resources;
    PlayMedia::loadInto(resources);
    const PauseOverlay overlay(resources.get(Fonts::DigitalTech));
    EXPECT_EQ(overlay.getTitle().getString(), "PAUSED");
    EXPECT_EQ(overlay.getHint().getFont(), overlay.getTitle().getFont());

    sf::RenderWindow& window = TestWindow::shared();
    window.clear(sf::Color::White);
    overlay.draw(window);
    const sf::Image frame = WindowCapture::grab(window);
    const sf::Color corner = frame.getPixel(5, 5);
    EXPECT_LT(corner.r, 128);
    EXPECT_GT(corner.r, 40);
    for (const sf::Text* text : {&overlay.getTitle(), &overlay.getHint()})
    {
        const sf::FloatRect bounds = text->getGlobalBounds();
        EXPECT_GT(bounds.left, 0.f);
        EXPECT_LT(bounds.left + bounds.width, 800.f);
        const sf::Vector2i centre = window.mapCoordsToPixel(
            {bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f});
        int white = 0;
        for (int x = centre.x - 100; x < centre.x + 100; ++x)
            white += frame.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(centre.y)) ==
                     sf::Color::White;
        EXPECT_GT(white, 0) << text->getString().toAnsiString();
    }
}
