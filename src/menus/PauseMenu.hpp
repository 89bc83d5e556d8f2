#pragma once

#include "menus/MenuPage.hpp"
#include "menus/OptionsMenu.hpp"
#include "presentation/PauseOverlay.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>

struct ScreenContext;

// What a paused game shows and answers: the field dimmed under "PAUSED", a
// line naming the key that goes on, and the entries Resume, Options and Quit
// to title. Options open over it; Escape goes back as in every menu.
class PauseMenu
{
public:
    enum class Choice
    {
        None,
        Resume,
        QuitToTitle,
    };

    // The sample is an effect of the game's, for the options; the context
    // outlives the menu.
    PauseMenu(ScreenContext& context, sf::Sound* sample);

    Choice handle(const sf::Event& event);
    bool isInOptions() const { return mOptions != nullptr; }
    // The pointer in field units.
    void point(sf::Vector2f pointer);
    // "P", "START" ...: the key of the device the player used last.
    void setResumeKey(const std::string& key);
    void draw(sf::RenderTarget& target) const;
    // Changes whenever what the menu shows may have changed.
    int picture() const;

    const PauseOverlay& overlay() const { return mOverlay; }

private:
    ScreenContext& mContext;
    sf::Sound* mSample;
    PauseOverlay mOverlay;
    MenuPage mEntries;
    Choice mChosen = Choice::None;
    std::unique_ptr<OptionsMenu> mOptions; // while open
    int mChanges = 0;
};
