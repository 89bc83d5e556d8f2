#include "screens/LoseScreen.hpp"

#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "platform/Desktop.hpp"
#include "platform/StillPicture.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "session/EventPump.hpp"
#include "session/ScreenContext.hpp"
#include "sound/Effects.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>

namespace
{
constexpr float SecondSoundAfter = 2.f;
constexpr float ShowFor = 4.f;
// From then on the keys that start play end the screen at once.
constexpr float RetryAfter = 1.f;
} // namespace

LoseScreen::LoseScreen(ScreenContext& context)
    : mElapsed(sf::Time::Zero), mContext(&context), mWindow(&context.window), mShowing(true),
      mLose2Played(false)
{
    // A pad's A speaks as Enter here; a button still held from play counts once let go.
    context.events.setPadLayout(Gamepad::Layout::Menu, &context.preferences.keys());
    loadTextures();
    loadSounds();
    applyTextures();
    applySounds();
    // A lose screen after a game that recorded nothing shows its picture alone.
    if (const auto& lastGame = context.bestLevel.lastGame())
        mRecordCaption = RecordCaption::forGameOver(context.captionFont.get(), *lastGame);
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
        if (mElapsed.asSeconds() > RetryAfter)
        {
            if (mContext->events.holdEvents([this](const sf::Event& event)
                                            { return isRetryKey(event); }))
                mShowing = false;
        }
        else
            mContext->events.holdEvents();
        // The picture changes only with the word on the sound.
        if (still.needsDrawing(mContext->notice.picture(), *mWindow))
        {
            mWindow->clear(sf::Color::Black);
            mWindow->draw(mLoseSprite, sf::RenderStates::Default);
            mRecordCaption.draw(*mWindow);
            mContext->notice.draw(*mWindow);
            mContext->desktop.display(*mWindow);
        }
        else
        {
            mContext->desktop.rest();
        }

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

// Enter and Space, a fire key, and a pad's A (which the pump hands out as Enter).
bool LoseScreen::isRetryKey(const sf::Event& event) const
{
    if (event.type != sf::Event::KeyPressed)
        return false;
    return event.key.code == sf::Keyboard::Enter || event.key.code == sf::Keyboard::Space ||
           mContext->preferences.keys().actionOf(event.key.code) == KeyBindings::Action::Fire;
}

bool LoseScreen::isShowing() const
{
    return mShowing;
}
