#pragma once

#include "menus/MenuPage.hpp"
#include "menus/PagesOver.hpp"
#include "presentation/PauseOverlay.hpp"
#include "session/Input.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <string>

struct ScreenContext;

// What a paused game shows and answers: the field dimmed under "PAUSED", a
// line naming the key that goes on, and the entries Resume, Options and Quit
// to title. Options open over it; Back resumes, as it goes back in every menu.
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

    Choice handle(const Input& input);
    bool isInOptions() const { return mPages.isOpen(); }
    // The pointer in field units.
    void point(sf::Vector2f pointer);
    // "P", "START" ...: the key of the device the player used last.
    void setResumeKey(const std::string& key);
    void draw(sf::RenderTarget& target) const;
    // Counts the changes to what the menu shows.
    int revision() const;

    const PauseOverlay& overlay() const { return mOverlay; }
    const MenuPage& entries() const { return mEntries; }

private:
    ScreenContext& mContext;
    PauseOverlay mOverlay;
    MenuPage mEntries;
    PagesOver mPages;
    Choice mChosen = Choice::None;
    int mRevision = 0;
};
