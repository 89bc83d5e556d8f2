#include "menus/PagesOver.hpp"

PagesOver::PagesOver(ScreenContext& context, sf::Sound* sample, bool overGame,
                     ReplaysPage::Watch watch)
    : mContext(context), mSample(sample), mOverGame(overGame), mWatch(std::move(watch))
{
}

PagesOver::~PagesOver() = default;

void PagesOver::openOptions()
{
    mOptions = std::make_unique<OptionsMenu>(mContext, mSample, mOverGame, mWatch);
    ++mRevision;
}

void PagesOver::handle(const Input& input)
{
    if (mOptions && !mOptions->handle(input))
    {
        mRevision += mOptions->revision() + 1;
        mOptions.reset();
    }
}

void PagesOver::point(sf::Vector2f pointer)
{
    if (mOptions)
        mOptions->point(pointer);
}

void PagesOver::draw(sf::RenderTarget& target) const
{
    if (mOptions)
        mOptions->draw(target);
}

int PagesOver::revision() const
{
    return mRevision + (mOptions ? mOptions->revision() : 0);
}
