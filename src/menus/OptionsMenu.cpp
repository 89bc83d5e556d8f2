#include "menus/OptionsMenu.hpp"

#include "config/BestLevel.hpp"
#include "config/ModeRows.hpp"
#include "config/Preferences.hpp"
#include "language/Translation.hpp"
#include "menus/ControlsTable.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/HoverSound.hpp"
#include "session/Adjustments.hpp"
#include "session/EventPump.hpp"
#include "session/KeyCapture.hpp"
#include "session/ScreenContext.hpp"
#include "sound/Effects.hpp"

#include <numeric>

namespace
{
using Outcome = MenuPage::Outcome;
using Action = KeyBindings::Action;
using Page = SettingsTable::Page;

MenuPage::Entry back()
{
    return {trMark("Back"), nullptr, [] { return Outcome::Back; }, nullptr};
}
} // namespace

OptionsMenu::OptionsMenu(ScreenContext& context, sf::Sound* sample, bool overGame,
                         ReplaysPage::Watch watch)
    : mContext(context), mSample(sample), mOverGame(overGame)
{
    if (watch)
    {
        // What the player changed is written before the replay takes the screen.
        auto keptFirst = [this, watch](ReplayReader replay)
        {
            mContext.adjustments.keep();
            watch(std::move(replay));
        };
        auto entries = ReplaysPage::entries(keptFirst, [this](std::string prompt)
                                            { mReplays->setPrompt(std::move(prompt)); });
        entries.push_back(back());
        mReplays = &page(Page::Replays, trMark("REPLAYS"), std::move(entries));
    }
    // Pages that the first one opens are made first.
    MenuPage& extras = page(Page::Extras, trMark("EXTRAS"), {back()});
    MenuPage& accessibility = page(Page::Accessibility, trMark("ACCESSIBILITY"), {back()});
    MenuPage& mode = page(Page::Mode, trMark("MODE"), {back()});
    if (overGame)
        mode.setPrompt(tr("MODE CHANGES BETWEEN GAMES"));
    MenuPage::Entry modeLink = opens(trMark("Mode"), mode);
    modeLink.value = [&chosen = context.preferences]
    { return ModeRows::shownName(chosen.values().mode); };
    std::vector<MenuPage::Entry> keyEntries;
    keyEntries.push_back({trMark("Reset to defaults"), nullptr,
                          [this]
                          {
                              change([](SettingValues& values) { values.keys = KeyBindings(); });
                              return Outcome::Stay;
                          },
                          nullptr});
    keyEntries.push_back(back());
    mKeys = &page(Page::Keys, trMark("KEYS"), std::move(keyEntries));
    std::vector<MenuPage::Entry> links{modeLink,
                                       opens(trMark("Keys"), *mKeys),
                                       {trMark("Controls"), nullptr,
                                        [this]
                                        {
                                            openControls();
                                            return Outcome::Stay;
                                        },
                                        nullptr},
                                       opens(trMark("Extras"), extras),
                                       opens(trMark("Accessibility"), accessibility)};
    if (mReplays)
        links.push_back(opens(trMark("Replays"), *mReplays));
    links.push_back(back());
    MenuPage& options = page(Page::Options, trMark("OPTIONS"), std::move(links));
    mPages.emplace_back(trMark("CONTROLS"), std::vector<MenuPage::Entry>{back()});
    mControls = &mPages.back();
    mControls->setTable(ControlsTable::rows(mContext.preferences.keys()),
                        mContext.captionFont.get());
    mOpen.push_back(&options);
    for (MenuPage& each : mPages)
        each.setHoverSound(&context.hoverSound.get());
    followTextSize();
}

void OptionsMenu::followTextSize()
{
    for (MenuPage& each : mPages)
        each.setLarge(mContext.preferences.values().largeText);
}

// The rows of one page of the table, then the entries that follow them.
MenuPage& OptionsMenu::page(Page page, std::string heading, std::vector<MenuPage::Entry> after)
{
    std::vector<MenuPage::Entry> entries;
    for (const SettingsTable::Row& row : SettingsTable::rows())
        if (row.page == page)
            entries.push_back(entryOf(row));
    entries.insert(entries.end(), after.begin(), after.end());
    mPages.emplace_back(std::move(heading), std::move(entries));
    return mPages.back();
}

MenuPage::Entry OptionsMenu::entryOf(const SettingsTable::Row& row)
{
    MenuPage::Entry entry;
    entry.label = row.label;
    const Preferences& chosen = mContext.preferences;
    entry.value = [&row, &chosen] { return row.show(chosen.values()); };
    if (row.binds)
    {
        const Action action = *row.binds;
        entry.value = [this, action, &chosen]
        {
            if (mCapturing == action)
                return std::string(tr("Escape cancels"));
            return ControlsTable::keysOf(chosen.keys(), action);
        };
        entry.choose = [this, action]
        {
            capture(action);
            return Outcome::Stay;
        };
        return entry;
    }
    if (row.key == ModeRows::PracticeLevelKey)
        return practiceLevelEntry(row);
    // A game keeps the mode it began with: over it, the mode is shown, not turned.
    if (row.page == Page::Mode && mOverGame)
        return entry;
    entry.turn = [this, &row](int step)
    {
        change([&](SettingValues& values) { row.turn(values, step); });
        // The effects' volume is heard as it turns.
        if (row.applies == SettingsTable::Applies::Effects && mSample)
            Effects::play(*mSample);
    };
    if (row.toggles)
        entry.choose = [turn = entry.turn]
        {
            turn(1);
            return Outcome::Stay;
        };
    return entry;
}

// A practice game starts at a level reached in Normal: the entry shows where it
// starts, and turns round within those levels.
MenuPage::Entry OptionsMenu::practiceLevelEntry(const SettingsTable::Row& row)
{
    const auto start = [this]
    {
        return PlayRules::practiceStart(mContext.preferences.values().practiceLevel,
                                        mContext.bestLevel.best().value_or(1));
    };
    MenuPage::Entry entry;
    entry.label = row.label;
    entry.value = [start] { return std::to_string(start()); };
    if (mOverGame)
        return entry;
    entry.turn = [this, start](int step)
    {
        const int highest = mContext.bestLevel.best().value_or(1);
        const int next = start() + step;
        change([&](SettingValues& values)
               { values.practiceLevel = next < 1         ? highest
                                        : next > highest ? 1
                                                         : next; });
    };
    return entry;
}

MenuPage::Entry OptionsMenu::opens(std::string label, MenuPage& page)
{
    return {std::move(label), nullptr,
            [this, &page]
            {
                mOpen.push_back(&page);
                ++mRevision;
                return Outcome::Stay;
            },
            nullptr};
}

void OptionsMenu::openControls()
{
    mControls->setTable(ControlsTable::rows(mContext.preferences.keys()),
                        mContext.captionFont.get());
    mOpen.push_back(mControls);
    ++mRevision;
}

void OptionsMenu::change(const std::function<void(SettingValues& values)>& edit)
{
    SettingValues values = mContext.preferences.values();
    edit(values);
    mContext.adjustments.change(values);
}

void OptionsMenu::capture(Action action)
{
    mCapturing = action;
    mContext.events.setCapturing(true);
    mKeys->setPrompt(KeyCapture::question(action));
}

bool OptionsMenu::handle(const Input& input)
{
    if (mCapturing)
    {
        captured(input);
        return true;
    }
    if (mOpen.back()->handle(input) == Outcome::Back)
    {
        mOpen.pop_back();
        ++mRevision;
    }
    followTextSize();
    // What the player changed is written once, as the options are left.
    if (mOpen.empty())
        mContext.adjustments.keep();
    return !mOpen.empty();
}

// A key kept for the whole game is refused, and the question stays.
void OptionsMenu::captured(const Input& input)
{
    KeyBindings keys = mContext.preferences.keys();
    switch (KeyCapture::bind(keys, *mCapturing, input))
    {
    case KeyCapture::Outcome::Waiting:
        return;
    case KeyCapture::Outcome::Kept:
        mKeys->setPrompt(KeyCapture::refusal(KeyCapture::Outcome::Kept, input.source));
        return;
    case KeyCapture::Outcome::StickOnly:
        mKeys->setPrompt(KeyCapture::refusal(KeyCapture::Outcome::StickOnly, input.source));
        return;
    case KeyCapture::Outcome::Bound:
        change([&](SettingValues& values) { values.keys = keys; });
        break;
    case KeyCapture::Outcome::Cancelled:
        break;
    }
    stopCapturing();
}

void OptionsMenu::stopCapturing()
{
    mCapturing.reset();
    mContext.events.setCapturing(false);
    mKeys->setPrompt({});
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

int OptionsMenu::revision() const
{
    return std::accumulate(mPages.begin(), mPages.end(), mRevision,
                           [](int sum, const MenuPage& page) { return sum + page.revision(); });
}
