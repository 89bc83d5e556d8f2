#include "menus/PauseMenu.hpp"

#include "language/Translation.hpp"
#include "presentation/CaptionFont.hpp"
#include "session/ScreenContext.hpp"

namespace
{
using Outcome = MenuPage::Outcome;

// Below the title, the line on going on, and the first level's banner and rule
// line, which the game may be showing.
constexpr float EntriesTop = 500.f;
} // namespace

PauseMenu::PauseMenu(ScreenContext& context, sf::Sound* sample)
    : mContext(context), mOverlay(context.captionFont.get()),
      mEntries({}, {{trMark("Resume"), nullptr,
                     [this]
                     {
                         mChosen = Choice::Resume;
                         return Outcome::Stay;
                     },
                     nullptr},
                    {trMark("Options"), nullptr,
                     [this]
                     {
                         mPages.openOptions();
                         return Outcome::Stay;
                     },
                     nullptr},
                    {trMark("Quit to title"), nullptr,
                     [this]
                     {
                         mChosen = Choice::QuitToTitle;
                         return Outcome::Stay;
                     },
                     nullptr}}),
      mPages(context, sample, true)
{
    mEntries.setTop(EntriesTop);
}

PauseMenu::Choice PauseMenu::handle(const Input& input)
{
    if (mPages.isOpen())
    {
        mPages.handle(input);
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
