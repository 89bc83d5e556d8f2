#pragma once

#include "config/SettingValues.hpp"
#include "session/Input.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <array>
#include <deque>
#include <functional>

class EventPump;
class SceneNode;

// What play needs from the player's inputs, drained once a frame from the
// event pump: a close request, the play controls that went down or up, as the
// keys the ships know (Left, Right, and Up for fire, whichever keys or buttons
// the player uses for them), and whether the player wants the game paused. Once a frame the scene
// is handed one key event; events that come together reach it in order, one a frame, so that none
// is lost. The fire mode the player chose is made here into the Up the scene hears: held while
// the fire control is, from one press of it to the next, or all through play. Also holds the
// flag that keeps the application cycling through its screens.
class Command
{
public:
    explicit Command(EventPump& events);

    // The next input for a screen that reads its own, as EventPump::poll.
    bool poll(Input& input);

    // While the game is paused its menu is offered what the player does; it
    // answers whether it took it. Play controls going up are recorded all
    // the same, so none stays held.
    using PausedReader = std::function<bool(const Input& input)>;

    // True when there was any event at all. A screen that reads some inputs
    // itself is offered each first, and play hears only those it leaves.
    bool pollEvents(const PausedReader& whilePaused = {}, const PausedReader& first = {});
    // The keys as they go down and up; Up as the fire control does, which the fire mode
    // makes into the Up the scene hears.
    void recordKey(sf::Keyboard::Key key, bool pressed);
    // Toggle starts not firing, Auto firing; Hold fires while the fire control is held.
    void setFireMode(FireMode mode);

    // The key event the scene is handed in this frame, again in every frame
    // until another takes its place.
    sf::Keyboard::Key getKey() const;
    bool isPressed() const;

    struct KeyEvent
    {
        sf::Keyboard::Key key;
        bool pressed;
    };

    // The input walk: hands every node this frame's key event, then brings up
    // the next recorded one, if any, for the next frame. Returns the one handed.
    KeyEvent handOver(SceneNode& scene);

    // Keys let go while another window has the keyboard send this one no
    // release: after a lasting loss of the focus every play key counts as let
    // go. The scene hears it at once, paused as the game is then, so that no
    // ship drifts when play goes on. True when it did.
    bool handOverKeysLetGo(SceneNode& scene);

    // The pause control (P, Pause and Escape unless the player chose others,
    // and a pad's Start) asks for a pause and then for the game to go on;
    // losing the keyboard focus asks for a pause.
    bool isPauseAsked() const { return mPauseAsked; }
    // The pause menu's Resume.
    void resume() { mPauseAsked = false; }

    void quit();
    static bool isRunning();

    static constexpr std::array<sf::Keyboard::Key, 3> PlayKeys{
        sf::Keyboard::Left, sf::Keyboard::Right, sf::Keyboard::Up};
    // Recorded events wait at most this many frames: past it, a key's oldest
    // press and release that are still waiting go together, so the ships
    // never fall far behind the keys.
    static constexpr std::size_t MaxWaiting = 4;

private:
    void read(const Input& input, const PausedReader& whilePaused);
    void record(sf::Keyboard::Key key, bool pressed);
    void focusLost();
    bool& isDown(sf::Keyboard::Key key);
    void dropOldestWaitingPair();

    EventPump* mEvents; // the entry point's, which outlives every Command bound to it
    sf::Keyboard::Key mKey = sf::Keyboard::Unknown;
    bool mPressed = false;
    bool mHandedOver = true;       // the scene has heard mKey and mPressed at least once
    std::deque<KeyEvent> mWaiting; // recorded after mKey, for the frames to come
    std::array<bool, PlayKeys.size()> mDown{}; // each play key as the recorded events leave it
    bool mKeysLetGo = false;
    FireMode mFireMode = FireMode::Hold;
    bool mFireHeld = false; // the fire control, whatever the scene hears
    bool mPauseAsked = false;

    static bool sRunning;
};
