#include "screens/LoseScreen.hpp"

#include "app/Session.hpp"
#include "resources/MediaFiles.hpp"
#include "screens/StillPicture.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>

namespace
{
constexpr float SecondSoundAfter = 2.f;
constexpr float ShowFor = 4.f;
} // namespace

LoseScreen::LoseScreen(Session& session)
    : mElapsed(sf::Time::Zero), mSession(&session), mWindow(&session.window()), mShowing(true),
      mLose2Played(false)
{
    loadTextures();
    loadSounds();
    applyTextures();
    applySounds();
    // A lose screen after a game that recorded nothing shows its picture alone.
    if (session.lastGame())
        mRecordCaption = RecordCaption::forGameOver(session.captionFont(), *session.lastGame());
    mShowing = true;
    mLose2Played = false;
}

LoseScreen::~LoseScreen() = default;

void LoseScreen::run()
{
    mLoseSound.play();
    showLoop();
}

void LoseScreen::loadTextures()
{
    mResources.load(Textures::LoseScreen, MediaFiles::LoseScreen);
}

void LoseScreen::loadSounds()
{
    mResources.load(SoundBuffers::Lose, MediaFiles::Lose);
    mResources.load(SoundBuffers::Lose2, MediaFiles::Lose2);
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
        mSession->holdEvents();
        // The picture changes only with the word on the sound.
        if (still.needsDrawing(mSession->notice().picture(), *mWindow))
        {
            mWindow->clear(sf::Color::Black);
            mWindow->draw(mLoseSprite, sf::RenderStates::Default);
            mRecordCaption.draw(*mWindow);
            mSession->drawNotice(*mWindow);
            mWindow->display();
        }
        else
        {
            StillPicture::rest();
        }

        mElapsed = mClock.getElapsedTime();
        if (mElapsed.asSeconds() > SecondSoundAfter && !mLose2Played)
        {
            mLose2Played = true;
            mLose2Sound.play();
        }
        // The frame that passes the mark has already been shown.
        if (mElapsed.asSeconds() > ShowFor)
            mShowing = false;
    }
    mWindow->clear(sf::Color::Black);
}

bool LoseScreen::isShowing() const
{
    return mShowing;
}
