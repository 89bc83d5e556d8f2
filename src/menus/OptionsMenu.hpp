#pragma once

#include "config/KeyBindings.hpp"
#include "menus/MenuPage.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Event.hpp>

#include <optional>
#include <vector>

struct ScreenContext;

// The options, from the title menu or the pause menu: the master, music and
// effects volumes and muting, fullscreen, the frame cap, the play keys and a
// page of every control. Each change holds at once and is remembered.
class OptionsMenu
{
public:
    // The sample is an effect of the screen's own, played when the effects'
    // volume turns so that the change is heard; the context outlives the menu.
    OptionsMenu(ScreenContext& context, sf::Sound* sample);

    // False once the player has gone back out of the options.
    bool handle(const sf::Event& event);
    // The pointer in field units.
    void point(sf::Vector2f pointer);
    void draw(sf::RenderTarget& target) const;
    // Changes whenever what the options show may have changed.
    int picture() const;

    // The frame caps offered; a cap chosen elsewhere is shown as it is.
    static const std::vector<std::optional<unsigned int>>& FrameCaps();

private:
    MenuPage makeOptions();
    MenuPage makeKeys();
    void openControls();
    void capture(KeyBindings::Action action);
    void captured(sf::Keyboard::Key key);
    void setKeys(const KeyBindings& keys);

    ScreenContext& mContext;
    sf::Sound* mSample;
    MenuPage mOptions;
    MenuPage mKeys;
    std::optional<MenuPage> mControls;
    std::vector<MenuPage*> mOpen; // the page shown last
    std::optional<KeyBindings::Action> mCapturing;
    int mPageChanges = 0;
};
