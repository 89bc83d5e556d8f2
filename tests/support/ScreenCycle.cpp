#include "support/ScreenCycle.hpp"

#include "support/FakePointer.hpp"

#include "screens/LoseScreen.hpp"
#include "screens/Menu.hpp"
#include "support/FakeClock.hpp"
#include "support/NodeInternals.hpp"
#include "support/PlayScreen.hpp"
#include "support/TestSession.hpp"
#include "support/XWindowEvents.hpp"

namespace
{
// Inside the Play button of the menu image, drawn at the window's top-left corner.
const sf::Vector2i OnPlay(402, 547);

class WatchedMenu : public Menu
{
public:
    using Menu::isMenuShown;
    using Menu::Menu;
    using Menu::song;
};

bool runMenu(TestSession& session, const ScreenCycle::Limits& limits, ScreenCycle::Outcome& outcome)
{
    sf::RenderWindow& window = session.window();
    WatchedMenu menu(session);
    FakePointer::moveTo(OnPlay);
    int frames = 0;
    FakePointer::onRead(
        [&]
        {
            // The click goes through the X server and comes back a few frames later;
            // it is sent again now and then in case the window was not mapped yet.
            if (menu.song().getStatus() == sf::Music::Playing)
                outcome.songPlayed = true;
            if (frames % 200 == 0)
                XWindowEvents::sendButton(window, sf::Mouse::Left, true, OnPlay);
            if (++frames > limits.menuFrames)
                window.close();
        });
    menu.run();
    FakePointer::onRead({});
    return window.isOpen() && !menu.isMenuShown();
}

void runPlay(TestSession& session, const ScreenCycle::Limits& limits,
             const ScreenCycle::PlayHook& duringPlay, ScreenCycle::Outcome& outcome)
{
    PlayScreen play(session);
    play.runFrames(
        [&](int)
        {
            outcome.mostNodes =
                std::max(outcome.mostNodes, NodeInternals::countNodes(play.sceneGraph()));
            if (duringPlay)
                duringPlay(play, outcome.playTime);
            outcome.playEndedByItself = !play.isPlaying();
            if (outcome.playTime >= limits.playTime)
                play.endPlay();
            outcome.playTime += limits.step;
            return limits.step;
        });
}

bool runLoseScreen(TestSession& session, const ScreenCycle::Limits& limits)
{
    sf::RenderWindow& window = session.window();
    LoseScreen loseScreen(session);
    int frames = 0;
    FakeClock::onElapsedRead(
        [&]
        {
            FakeClock::advance(limits.step);
            if (++frames > limits.loseScreenFrames)
                window.close();
        });
    loseScreen.run();
    FakeClock::onElapsedRead({});
    return window.isOpen();
}
} // namespace

ScreenCycle::Outcome ScreenCycle::run(sf::RenderWindow& window, const Limits& limits,
                                      const PlayHook& duringPlay)
{
    Outcome outcome;
    TestSession session(window);
    if (limits.opensWindow)
        session.openWindow();
    outcome.menuEndedOnPlay = runMenu(session, limits, outcome);
    if (!outcome.menuEndedOnPlay)
        return outcome;
    runPlay(session, limits, duringPlay, outcome);
    if (!window.isOpen())
        return outcome;
    outcome.loseScreenEnded = runLoseScreen(session, limits);
    return outcome;
}
