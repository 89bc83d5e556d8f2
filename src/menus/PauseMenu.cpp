#include "menus/PauseMenu.hpp"

#include "config/Preferences.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/HoverSound.hpp"
#include "session/ScreenContext.hpp"

namespace
{
using Outcome = MenuPage::Outcome;

// Below the title, the line on going on and a level banner the game may be showing.
constexpr float EntriesTop = 460.f;
} // namespace

PauseMenu::PauseMenu(ScreenContext& context, sf::Sound* sample)
    : mContext(context), mOverlay(context.captionFont.get()),
      mEntries({}, {{"Resume", nullptr,
                     [this]
                     {
                         mChosen = Choice::Resume;
                         return Outcome::Stay;
                     },
                     nullptr},
                    {"Options", nullptr,
                     [this]
                     {
                         mPages.openOptions();
                         return Outcome::Stay;
                     },
                     nullptr},
                    {"Quit to title", nullptr,
                     [this]
                     {
                         mChosen = Choice::QuitToTitle;
                         return Outcome::Stay;
                     },
                     nullptr}}),
      mPages(context, sample)
{
    mEntries.setTop(EntriesTop);
    mEntries.setHoverSound(&context.hoverSound.get());
    followTextSize();
}

// The options open over the menu may change it.
void PauseMenu::followTextSize()
{
    const bool large = mContext.preferences.values().largeText;
    mEntries.setLarge(large);
    if (mOverlay.setLarge(large))
        ++mRevision;
}

PauseMenu::Choice PauseMenu::handle(const Input& input)
{
    if (mPages.isOpen())
    {
        mPages.handle(input);
        followTextSize();
        return Choice::None;
    }
    mChosen = Choice::None;
    if (mEntries.handle(input) == Outcome::Back)
        return Choice::Resume;
    return mChosen;
}

void PauseMenu::point(sf::Vector2f pointer)
{
    if (mPages.isOpen())
        mPages.point(pointer);
    else
        mEntries.point(pointer);
}

void PauseMenu::setResumeKey(const std::string& key)
{
    if (mOverlay.setResumeKey(key))
        ++mRevision;
}

void PauseMenu::draw(sf::RenderTarget& target) const
{
    mOverlay.draw(target);
    mEntries.draw(target, mContext.captionFont.get(), false);
    mPages.draw(target);
}

int PauseMenu::revision() const
{
    return mRevision + mEntries.revision() + mPages.revision();
}
