#include "menus/OptionsMenu.hpp"

#include "config/KeyNames.hpp"
#include "config/Preferences.hpp"
#include "menus/ControlsTable.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/Lettering.hpp"
#include "session/Adjustments.hpp"
#include "session/ScreenContext.hpp"
#include "sound/Effects.hpp"
#include "sound/MasterVolume.hpp"

#include <algorithm>
#include <cctype>
#include <string>

namespace
{
using Outcome = MenuPage::Outcome;
using Action = KeyBindings::Action;

constexpr int LevelStep = 10;

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

int stepped(int level, int step)
{
    return std::clamp(level + step * LevelStep, 0, 100);
}

std::string capName(std::optional<unsigned int> cap)
{
    return cap ? std::to_string(*cap) : "uncapped";
}

std::string titled(const std::string& name)
{
    std::string title = name;
    title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
    return title;
}

} // namespace

const std::vector<std::optional<unsigned int>>& OptionsMenu::FrameCaps()
{
    static const std::vector<std::optional<unsigned int>> caps = {std::nullopt, 60u, 120u, 144u};
    return caps;
}

OptionsMenu::OptionsMenu(ScreenContext& context, sf::Sound* sample)
    : mContext(context), mSample(sample), mOptions(makeOptions()),
      mKeys(makeKeys()), mOpen{&mOptions}
{
}

MenuPage OptionsMenu::makeOptions()
{
    Adjustments& adjust = mContext.adjustments;
    const Preferences& chosen = mContext.preferences;
    return MenuPage("OPTIONS",
                    {{"Volume", [&] { return std::to_string(adjust.volume().volume()); }, nullptr,
                      [&](int step) { step > 0 ? adjust.louder() : adjust.quieter(); }},
                     {"Music", [&] { return std::to_string(chosen.music()); }, nullptr,
                      [&](int step) { adjust.setMusic(stepped(chosen.music(), step)); }},
                     {"Effects", [&] { return std::to_string(chosen.effects()); }, nullptr,
                      [this, &adjust, &chosen](int step)
                      {
                          adjust.setEffects(stepped(chosen.effects(), step));
                          if (mSample)
                              Effects::play(*mSample);
                      }},
                     {"Mute", [&] { return onOff(adjust.volume().isMuted()); },
                      [&]
                      {
                          adjust.toggleMute();
                          return Outcome::Stay;
                      },
                      [&](int) { adjust.toggleMute(); }},
                     {"Fullscreen", [&] { return onOff(adjust.isFullscreen()); },
                      [&]
                      {
                          adjust.askFullscreenSwitch();
                          return Outcome::Stay;
                      },
                      [&](int) { adjust.askFullscreenSwitch(); }},
                     {"Frame cap", [&] { return capName(chosen.maxFps()); }, nullptr,
                      [&](int step)
                      {
                          const auto& caps = FrameCaps();
                          const auto at = std::find(caps.begin(), caps.end(), chosen.maxFps());
                          const long index = at == caps.end() ? 0 : at - caps.begin();
                          const long count = static_cast<long>(caps.size());
                          adjust.setMaxFps(
                              caps[static_cast<std::size_t>((index + step + count) % count)]);
                      }},
                     {"Keys", nullptr,
                      [this]
                      {
                          mOpen.push_back(&mKeys);
                          ++mPageChanges;
                          return Outcome::Stay;
                      },
                      nullptr},
                     {"Controls", nullptr,
                      [this]
                      {
                          openControls();
                          return Outcome::Stay;
                      },
                      nullptr},
                     {"Back", nullptr, [] { return Outcome::Back; }, nullptr}});
}

MenuPage OptionsMenu::makeKeys()
{
    std::vector<MenuPage::Entry> entries;
    for (Action action : KeyBindings::Actions)
        entries.push_back({titled(KeyBindings::nameOf(action)),
                           [this, action]
                           {
                               if (mCapturing == action)
                                   return std::string("Escape cancels");
                               return ControlsTable::keysOf(mContext.preferences.keys(), action);
                           },
                           [this, action]
                           {
                               capture(action);
                               return Outcome::Stay;
                           },
                           nullptr});
    entries.push_back({"Reset to defaults", nullptr,
                       [this]
                       {
                           setKeys(KeyBindings());
                           return Outcome::Stay;
                       },
                       nullptr});
    entries.push_back({"Back", nullptr, [] { return Outcome::Back; }, nullptr});
    return MenuPage("KEYS", std::move(entries));
}

void OptionsMenu::openControls()
{
    mControls.emplace(
        "CONTROLS",
        std::vector<MenuPage::Entry>{{"Back", nullptr, [] { return Outcome::Back; }, nullptr}});
    mControls->setTable(ControlsTable::rows(mContext.preferences.keys()));
    mOpen.push_back(&*mControls);
    ++mPageChanges;
}

void OptionsMenu::capture(Action action)
{
    mCapturing = action;
    mKeys.setPrompt("PRESS A KEY FOR " + Lettering::capitals(KeyBindings::nameOf(action)));
}

bool OptionsMenu::handle(const sf::Event& event)
{
    if (mCapturing)
    {
        if (event.type == sf::Event::KeyPressed)
            captured(event.key.code);
        return true;
    }
    if (mOpen.back()->handle(event) == Outcome::Back)
    {
        mOpen.pop_back();
        ++mPageChanges;
    }
    return !mOpen.empty();
}

// Escape takes the question back; a key kept for the whole game is refused,
// and the question stays.
void OptionsMenu::captured(sf::Keyboard::Key key)
{
    if (key == sf::Keyboard::Escape)
    {
        mCapturing.reset();
        mKeys.setPrompt({});
        return;
    }
    KeyBindings keys = mContext.preferences.keys();
    if (!keys.bind(*mCapturing, key))
    {
        mKeys.setPrompt(Lettering::capitals(KeyNames::nameOf(key)) + " IS KEPT: ANOTHER KEY?");
        return;
    }
    setKeys(keys);
    mCapturing.reset();
    mKeys.setPrompt({});
}

void OptionsMenu::setKeys(const KeyBindings& keys)
{
    mContext.adjustments.setKeys(keys);
    mKeys.changed();
}

void OptionsMenu::point(sf::Vector2f pointer)
{
    if (!mCapturing && !mOpen.empty())
        mOpen.back()->point(pointer);
}

void OptionsMenu::draw(sf::RenderTarget& target) const
{
    if (!mOpen.empty())
        mOpen.back()->draw(target, mContext.captionFont.get());
}

int OptionsMenu::picture() const
{
    int picture = mPageChanges;
    for (const MenuPage* page : {&mOptions, &mKeys})
        picture += page->picture();
    return picture + (mControls ? mControls->picture() : 0);
}
