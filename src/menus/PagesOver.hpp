#pragma once

#include "menus/OptionsMenu.hpp"
#include "menus/ReplaysPage.hpp"
#include "session/Input.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>

struct ScreenContext;

// The pages a screen opens over itself (the options, from the title menu and
// from the paused game): while they are open they take the player's inputs
// and the pointer, and are drawn over the screen; backing out of the last one
// closes them.
class PagesOver
{
public:
    // The sample is an effect of the screen's own (OptionsMenu); the context
    // outlives the pages. Over a game, what only changes between games is shown, not changed.
    // A screen that can show a replay offers the Replays page.
    PagesOver(ScreenContext& context, sf::Sound* sample, bool overGame = false,
              ReplaysPage::Watch watch = {});
    ~PagesOver();

    void openOptions();
    bool isOpen() const { return mOptions != nullptr; }

    void handle(const Input& input);
    // The pointer in field units.
    void point(sf::Vector2f pointer);
    void draw(sf::RenderTarget& target) const;
    // Counts the changes to what the pages show, closing them too.
    int revision() const;

private:
    ScreenContext& mContext;
    sf::Sound* mSample;
    bool mOverGame;
    ReplaysPage::Watch mWatch;
    std::unique_ptr<OptionsMenu> mOptions; // while open
    int mRevision = 0;
};
