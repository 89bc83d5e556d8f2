#include "menus/PauseMenu.hpp"

#include "presentation/CaptionFont.hpp"
#include "session/ScreenContext.hpp"

namespace
{
using Outcome = MenuPage::Outcome;

// Below the title, the line on going on and a level banner the game may be showing.
constexpr float EntriesTop = 460.f;
} // namespace

PauseMenu::PauseMenu(ScreenContext& context, sf::Sound* sample)
    : mContext(context), mSample(sample), mOverlay(context.captionFont.get()),
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
                         mOptions = std::make_unique<OptionsMenu>(mContext, mSample);
                         ++mChanges;
                         return Outcome::Stay;
                     },
                     nullptr},
                    {"Quit to title", nullptr,
                     [this]
                     {
                         mChosen = Choice::QuitToTitle;
                         return Outcome::Stay;
                     },
                     nullptr}})
{
    mEntries.setTop(EntriesTop);
}

PauseMenu::Choice PauseMenu::handle(const sf::Event& event)
{
    if (mOptions)
    {
        if (!mOptions->handle(event))
        {
            mOptions.reset();
            ++mChanges;
        }
        return Choice::None;
    }
    mChosen = Choice::None;
    if (mEntries.handle(event) == Outcome::Back)
        return Choice::Resume;
    return mChosen;
}

void PauseMenu::point(sf::Vector2f pointer)
{
    if (mOptions)
        mOptions->point(pointer);
    else
        mEntries.point(pointer);
}

void PauseMenu::setResumeKey(const std::string& key)
{
    if (mOverlay.setResumeKey(key))
        ++mChanges;
}

void PauseMenu::draw(sf::RenderTarget& target) const
{
    mOverlay.draw(target);
    mEntries.draw(target, mContext.captionFont.get(), false);
    if (mOptions)
        mOptions->draw(target);
}

int PauseMenu::picture() const
{
    return mChanges + mEntries.picture() + (mOptions ? mOptions->picture() : 0);
}
