#include "screens/LoseScreen.hpp"

#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "platform/Desktop.hpp"
#include "platform/StillPicture.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/RuleHints.hpp"
#include "presentation/VolumeNotice.hpp"
#include "session/EventPump.hpp"
#include "session/FrameEnd.hpp"
#include "session/ScreenContext.hpp"
#include "sound/Effects.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>

namespace
{
constexpr float SecondSoundAfter = 2.f;
constexpr float ShowFor = 4.f;
// From then on the screen says how to leave it, and the keys it names do.
constexpr float LeaveAfter = 1.f;
} // namespace

LoseScreen::LoseScreen(ScreenContext& context, bool showsRecord)
    : mElapsed(sf::Time::Zero), mContext(&context), mWindow(&context.window), mShowing(true),
      mLose2Played(false)
{
    // A key or button still held from play counts once let go.
    context.events.beginScreen();
    loadTextures();
    loadSounds();
    applyTextures();
    applySounds();
    // A lose screen after a game that recorded nothing (a replay's, a practice
    // game's) shows its picture alone. The mode cannot have changed since the
    // game began: it changes between games only.
    const PlayRules played = context.preferences.nextGame(context.bestLevel.best());
    const auto& lastGame = context.bestLevelOf(played.mode).lastGame();
    if (lastGame && showsRecord && played.keepsRecord())
        mRecordCaption =
            RecordCaption::forGameOver(context.captionFont.get(), *lastGame,
                                       context.preferences.values().largeText, played.mode);
    mKeysHint = RuleHints::gameOverKeys(context.captionFont.get(),
                                        context.events.lastDevice() == Device::Pad,
                                        context.preferences.values().largeText);
    mShowing = true;
    mLose2Played = false;
}

LoseScreen::~LoseScreen() = default;

void LoseScreen::run()
{
    Effects::play(mLoseSound);
    showLoop();
}

void LoseScreen::loadTextures()
{
    mResources.load(ScreenMedia::Screen::GameOver, ScreenMedia::Kind::Texture);
}

void LoseScreen::loadSounds()
{
    mResources.load(ScreenMedia::Screen::GameOver, ScreenMedia::Kind::SoundBuffer);
}

void LoseScreen::applyTextures()
{
    mLoseSprite.setTexture(mResources.get(Textures::LoseScreen));
}

void LoseScreen::applySounds()
{
    mLoseSound.setBuffer(mResources.get(SoundBuffers::Lose));
    mLose2Sound.setBuffer(mResources.get(SoundBuffers::Lose2));
}

void LoseScreen::showLoop()
{
    StillPicture still;
    while (mWindow->isOpen() && isShowing())
    {
        const bool leaving = mElapsed.asSeconds() > LeaveAfter;
        if (leaving)
            mContext->events.hold([this](const Input& input) { return leavesEarly(input); });
        else
            mContext->events.hold();
        // The picture changes with the word on the sound, and once, when the keys show.
        const bool drew = still.needsDrawing({mContext->notice.picture(), leaving, 0}, *mWindow);
        if (drew)
        {
            mWindow->clear(sf::Color::Black);
            mWindow->draw(mLoseSprite, sf::RenderStates::Default);
            mRecordCaption.draw(*mWindow);
            if (leaving)
                mWindow->draw(mKeysHint, sf::RenderStates::Default);
        }
        FrameEnd::finish(*mContext, drew);

        mElapsed = mClock.getElapsedTime();
        if (mElapsed.asSeconds() > SecondSoundAfter && !mLose2Played)
        {
            mLose2Played = true;
            Effects::play(mLose2Sound);
        }
        // The frame that passes the mark has already been shown.
        if (mElapsed.asSeconds() > ShowFor)
            mShowing = false;
    }
    mWindow->clear(sf::Color::Black);
}

// Only a fresh press counts: fire held through the loss, and its repeats, do
// not. A pad's button stands for two controls at once (B goes back and
// fires): the first decides.
bool LoseScreen::leavesEarly(const Input& input)
{
    if (!input.isFreshPress() || !mShowing)
        return false;
    mPlaysAgain = input.menu == MenuControl::Accept || input.play == PlayControl::Fire;
    mShowing = !mPlaysAgain && input.menu != MenuControl::Back;
    return !mShowing;
}

bool LoseScreen::isShowing() const
{
    return mShowing;
}
