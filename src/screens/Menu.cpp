#include "screens/Menu.hpp"

#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "platform/Desktop.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "resources/MediaFiles.hpp"
#include "resources/MediaGate.hpp"
#include "screens/MenuButtons.hpp"
#include "session/EventPump.hpp"
#include "session/FrameEnd.hpp"
#include "session/ScreenContext.hpp"
#include "sound/AudioDevice.hpp"
#include "sound/Effects.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>

#include <cmath>

namespace
{
using Lit = MenuButtons::Lit;
} // namespace

Menu::Menu(ScreenContext& context, bool playAtOnce)
    : mShowMenu(true), mHoverSoundArmed(true), mContext(&context), mWindow(&context.window),
      mHighlight(Lit::None), mCommand(context.events), mPlayAtOnce(playAtOnce),
      mPages(context, &mHoverSound, false,
             [this](ReplayReader replay)
             {
                 mWatch = std::move(replay);
                 mShowMenu = false;
             })
{
    context.events.beginScreen();
    loadTextures();
    loadSounds();
    applyTextures();
    applySounds();
    openMusic();
    showCorner();
    // The record's words follow a language chosen in the options at once.
    mLanguage = context.adjustments.watch(SettingsTable::Applies::Language,
                                          [this](const SettingValues&) { showCorner(); });
    mShowMenu = true;
    mHoverSoundArmed = true;
    mHighlight = Lit::None;
}

Menu::~Menu() = default;

void Menu::run()
{
    if (mPlayAtOnce)
        return;
    // Without an audio device or a song the menu runs silent; SFML would
    // complain about a stream that never opened.
    if (mSongOpened && AudioDevice::isOpen())
        mMusic.play();
    showLoop();
    mMusic.stop();
}

void Menu::loadTextures()
{
    mResources.load(ScreenMedia::Screen::Menu, ScreenMedia::Kind::Texture);
}

void Menu::loadSounds()
{
    mResources.load(ScreenMedia::Screen::Menu, ScreenMedia::Kind::SoundBuffer);
}

void Menu::applyTextures()
{
    // Quietly, as the caption font opens: the menu's loading lines stay its own.
    if (MediaGate::open(mOptionsLitTexture, MediaFiles::OptionsLit))
    {
        mOptionsLit.setTexture(mOptionsLitTexture, true);
        mOptionsLit.setPosition(MenuButtons::optionsCorner());
    }
    mNeutralSprite.setTexture(mResources.get(Textures::LoadScreenNeutral));
    mPlaySprite.setTexture(mResources.get(Textures::LoadScreenPlay));
    mExitSprite.setTexture(mResources.get(Textures::LoadScreenExit));
}

// The mode and the words' size may change in the options: the corner follows them.
void Menu::showCorner()
{
    const PlayRules next = mContext->preferences.nextGame(mContext->bestLevel.best());
    mBestCaption =
        RecordCaption::forMenu(mContext->captionFont.get(), mContext->bestLevelOf(next.mode).best(),
                               mContext->preferences.values().largeText, next);
}

void Menu::applySounds()
{
    mHoverSound.setBuffer(mResources.get(SoundBuffers::Hover));
}

void Menu::openMusic()
{
    // Without its song the menu still works, silently.
    mSongOpened = ResourceCache::openSong(mMusic, MediaFiles::MenuSong);
    // At full volume, unless the player turned the music down; it follows
    // the player's turns in the options.
    mMusic.setVolume(static_cast<float>(mContext->preferences.music()));
    mMusic.setLoop(true);
    mMusicVolume = mContext->adjustments.watch(
        SettingsTable::Applies::Music, [this](const SettingValues& values)
        { mMusic.setVolume(static_cast<float>(values.music)); });
}

void Menu::showLoop()
{
    while (mWindow->isOpen() && isMenuShown())
    {
        if (!mPages.isOpen() && mIdleDemo.isDue(*mContext))
            playDemo();
        FrameEnd::finish(*mContext, showFrame());
    }
    mWindow->clear(sf::Color::Black);
}

bool Menu::showFrame()
{
    processEvents();
    // The picture: which button is lit, the word on the sound, and the options.
    if (!mStill.needsDrawing({mHighlight, mContext->notice.picture(), mPages.revision()}, *mWindow))
        return false;
    mWindow->clear(sf::Color::Black);
    if (mHighlight == Lit::Play)
        mWindow->draw(mPlaySprite, sf::RenderStates::Default);
    else if (mHighlight == Lit::Exit)
        mWindow->draw(mExitSprite, sf::RenderStates::Default);
    else
        mWindow->draw(mNeutralSprite, sf::RenderStates::Default);
    // A word of the player's own belongs in the picture's gap: without the picture, none.
    const bool pictured = mResources.get(Textures::LoadScreenNeutral).getSize().x > 0;
    if (!MenuButtons::isOptionsInPicture() && pictured)
        MenuButtons::drawOptions(*mWindow, mContext->captionFont.get(), mHighlight == Lit::Options);
    else if (mHighlight == Lit::Options)
        mWindow->draw(mOptionsLit, sf::RenderStates::Default);
    showCorner();
    mBestCaption.draw(*mWindow);
    mPages.draw(*mWindow);
    return true;
}

void Menu::processEvents()
{
    if (mPages.isOpen())
        mPages.point(mWindow->mapPixelToCoords(mContext->desktop.pointer(*mWindow)));
    else
        updateHover();
    Input input;
    while (mCommand.poll(input))
    {
        // Only the pointer's position decides what the menu shows; anything
        // else may have changed the window under the picture.
        mStill.disturb();
        mIdleDemo.stir();
        if (input.type == Input::Type::Closed)
        {
            mWindow->close();
            mCommand.quit();
            continue;
        }
        if (mPages.isOpen())
            mPages.handle(input);
        else if (input.type == Input::Type::Click)
            handleClick();
        else if (input.isPress())
            handlePress(input);
    }
}

// The pointer lights what is under it only when it has moved: a button lit by
// the keys stays lit under a pointer that rests, also when the window under
// it is resized. Every button it lights sounds, also one right beside the
// button lit before.
void Menu::updateHover()
{
    const sf::Vector2i moved = mContext->desktop.pointer(*mWindow);
    if (mPointer == moved)
        return;
    mPointer = moved;
    mIdleDemo.stir();
    if (const auto lit = MenuButtons::at(pointerOnImage(moved)))
    {
        if (mHoverSoundArmed || *lit != mHighlight)
            Effects::play(mHoverSound);
        mHighlight = *lit;
        mHoverSoundArmed = false;
    }
    else
    {
        mHighlight = Lit::None;
        mHoverSoundArmed = true;
    }
}

void Menu::handleClick()
{
    if (const auto lit = MenuButtons::at(pointerOnImage(mContext->desktop.pointer(*mWindow))))
        choose(*lit);
}

// Up and Down light the button above or below the lit one (from none, Play);
// neither wraps round, so a held key settles on a button. A held key chooses
// nothing twice.
void Menu::handlePress(const Input& input)
{
    if (input.shortcut == Shortcut::Options && !input.repeat)
        choose(Lit::Options);
    else if (input.shortcut == Shortcut::Leave && !input.repeat)
        choose(Lit::Exit);
    else if (input.menu == MenuControl::Up)
        light(MenuButtons::neighbour(mHighlight, -1));
    else if (input.menu == MenuControl::Down)
        light(MenuButtons::neighbour(mHighlight, 1));
    else if (input.menu == MenuControl::Accept && !input.repeat)
        choose(mHighlight == Lit::None ? Lit::Play : mHighlight);
}

// Each button the keys light sounds as one the pointer enters.
void Menu::light(int highlight)
{
    if (highlight != mHighlight)
        Effects::play(mHoverSound);
    mHighlight = highlight;
}

void Menu::choose(int highlight)
{
    if (highlight == Lit::Options)
        openOptions();
    else if (highlight == Lit::Play)
        mShowMenu = false;
    else if (highlight == Lit::Exit)
    {
        mWindow->close();
        mCommand.quit();
    }
}

void Menu::openOptions()
{
    mHighlight = Lit::Options;
    mPages.openOptions();
}

// The song rests while the demo plays; the key that ended it does nothing here.
void Menu::playDemo()
{
    const bool singing = mMusic.getStatus() == sf::Music::Playing;
    mMusic.pause();
    if (mIdleDemo.play(*mContext))
    {
        mContext->events.beginScreen();
        mStill.disturb();
    }
    if (singing && mWindow->isOpen())
        mMusic.play();
}

bool Menu::isMouseOverPlay() const
{
    return MenuButtons::at(pointerOnImage(mContext->desktop.pointer(*mWindow))) == Lit::Play;
}

bool Menu::isMouseOverExit() const
{
    return MenuButtons::at(pointerOnImage(mContext->desktop.pointer(*mWindow))) == Lit::Exit;
}

// The pointer as a pixel of the menu image, wherever the window stands on the
// desktop and however large the field is shown in it. The image is drawn at
// (0, 0), scale 1, in field units.
sf::Vector2i Menu::pointerOnImage(sf::Vector2i inWindow) const
{
    const sf::Vector2f point = mWindow->mapPixelToCoords(inWindow);
    // Whole pixels: float noise in the mapping must not move a border point inside.
    return sf::Vector2i(static_cast<int>(std::lround(point.x)),
                        static_cast<int>(std::lround(point.y)));
}

bool Menu::isMenuShown() const
{
    return mShowMenu;
}
