#pragma once

#include "config/KeyBindings.hpp"
#include "config/SettingsTable.hpp"
#include "menus/MenuPage.hpp"
#include "menus/ReplaysPage.hpp"
#include "session/Input.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

struct ScreenContext;

// The options, from the title menu or the pause menu: a page for each page of
// the settings table (the sound, the window and the frame cap first; the
// play keys; the touches the game may add), and a page of every control.
// Each change holds at once; the settings are written once, when the player
// leaves the options.
class OptionsMenu
{
public:
    // The sample is an effect of the screen's own, played when the effects'
    // volume turns so that the change is heard; the context outlives the menu.
    // Over a game, the mode is shown but not changed: it is the game's to its end.
    // With somewhere to watch a replay, the options offer the Replays page.
    OptionsMenu(ScreenContext& context, sf::Sound* sample, bool overGame = false,
                ReplaysPage::Watch watch = {});

    // False once the player has gone back out of the options.
    bool handle(const Input& input);
    // The pointer in field units.
    void point(sf::Vector2f pointer);
    void draw(sf::RenderTarget& target) const;
    // Counts the changes to what the options show, for a still screen.
    int revision() const;
    // The Keys page waits for a key: every key and button comes here.
    bool isCapturing() const { return mCapturing.has_value(); }
    // Every page, open or not.
    const std::deque<MenuPage>& pages() const { return mPages; }

private:
    MenuPage& page(SettingsTable::Page page, std::string heading,
                   std::vector<MenuPage::Entry> after);
    MenuPage::Entry entryOf(const SettingsTable::Row& row);
    MenuPage::Entry opens(std::string label, MenuPage& page);
    MenuPage::Entry practiceLevelEntry(const SettingsTable::Row& row);
    void openControls();
    void change(const std::function<void(SettingValues& values)>& edit);
    void capture(KeyBindings::Action action);
    void captured(const Input& input);
    void stopCapturing();
    void followTextSize();

    ScreenContext& mContext;
    sf::Sound* mSample;
    bool mOverGame;
    std::deque<MenuPage> mPages; // they never move: entries point at them
    MenuPage* mKeys = nullptr;
    MenuPage* mControls = nullptr;
    MenuPage* mReplays = nullptr;
    std::vector<MenuPage*> mOpen; // the page shown last
    std::optional<KeyBindings::Action> mCapturing;
    int mRevision = 0;
};
