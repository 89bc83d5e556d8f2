#include "screens/Menu.hpp"

#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "platform/Desktop.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "resources/MediaFiles.hpp"
#include "screens/MenuButtons.hpp"
#include "session/EventPump.hpp"
#include "session/ScreenContext.hpp"
#include "sound/AudioDevice.hpp"
#include "sound/Effects.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Window/Event.hpp>

#include <cmath>

namespace
{
using Lit = MenuButtons::Lit;
} // namespace

Menu::Menu(ScreenContext& context)
    : mShowMenu(true), mHoverSoundArmed(true), mContext(&context), mWindow(&context.window),
      mHighlight(Lit::None), mCommand(context.events, Gamepad::Layout::Menu)
{
    loadTextures();
    loadSounds();
    applyTextures();
    applySounds();
    openMusic();
    if (context.bestLevel.best())
        mBestCaption = RecordCaption::forMenu(context.captionFont.get(), context.bestLevel.best());
    mShowMenu = true;
    mHoverSoundArmed = true;
    mHighlight = Lit::None;
}

Menu::~Menu() = default;

void Menu::run()
{
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
    mNeutralSprite.setTexture(mResources.get(Textures::LoadScreenNeutral));
    mPlaySprite.setTexture(mResources.get(Textures::LoadScreenPlay));
    mExitSprite.setTexture(mResources.get(Textures::LoadScreenExit));
}

void Menu::applySounds()
{
    mHoverSound.setBuffer(mResources.get(SoundBuffers::Hover));
}

void Menu::openMusic()
{
    // Without its song the menu still works, silently.
    mSongOpened = ResourceCache::openSong(mMusic, MediaFiles::MenuSong);
    mMusic.setVolume(100.f);
    mMusic.setLoop(true);
}

void Menu::showLoop()
{
    while (mWindow->isOpen() && isMenuShown())
    {
        if (showFrame())
            mContext->desktop.display(*mWindow);
        else
            mContext->desktop.rest();
    }
    mWindow->clear(sf::Color::Black);
}

bool Menu::showFrame()
{
    processEvents();
    // The picture: which button is lit, the word on the sound, and the options.
    if (!mStill.needsDrawing(
            {mHighlight, mContext->notice.picture(), mOptions ? mOptions->picture() : -1},
            *mWindow))
        return false;
    mWindow->clear(sf::Color::Black);
    if (mHighlight == Lit::Play)
        mWindow->draw(mPlaySprite, sf::RenderStates::Default);
    else if (mHighlight == Lit::Exit)
        mWindow->draw(mExitSprite, sf::RenderStates::Default);
    else
        mWindow->draw(mNeutralSprite, sf::RenderStates::Default);
    // The button belongs in the picture's gap: without the picture, no button.
    if (mResources.get(Textures::LoadScreenNeutral).getSize().x > 0)
        MenuButtons::drawOptions(*mWindow, mContext->captionFont.get(), mHighlight == Lit::Options);
    mBestCaption.draw(*mWindow);
    if (mOptions)
        mOptions->draw(*mWindow);
    mContext->notice.draw(*mWindow);
    return true;
}

void Menu::processEvents()
{
    // The song follows the music's volume as the player turns it in the options.
    const auto music = static_cast<float>(mContext->preferences.music());
    if (mMusic.getVolume() != music)
        mMusic.setVolume(music);
    if (mOptions)
        mOptions->point(mWindow->mapPixelToCoords(mContext->desktop.pointer(*mWindow)));
    else
        updateHover();
    sf::Event event;
    while (mCommand.pollEvent(event))
    {
        // Only the pointer's position decides what the menu shows; anything
        // else may have changed the window under the picture. The pointer
        // crossing the window's edge does not: other windows mapped over ours
        // send those all the time.
        if (event.type != sf::Event::MouseMoved && event.type != sf::Event::MouseEntered &&
            event.type != sf::Event::MouseLeft)
            mStill.disturb();
        if (event.type == sf::Event::Closed)
        {
            mWindow->close();
            mCommand.quit();
            continue;
        }
        if (mOptions)
        {
            if (!mOptions->handle(event))
                mOptions.reset();
            continue;
        }
        switch (event.type)
        {
        case sf::Event::MouseButtonPressed:
            handleMouseClick(event.mouseButton.button, true);
            break;
        case sf::Event::KeyPressed:
            handleKey(event.key.code);
            break;
        default:
            break;
        }
    }
}

// The pointer lights what is under it only when it has moved: a button lit by
// the keys stays lit under a pointer that rests, also when the window under
// it is resized.
void Menu::updateHover()
{
    const sf::Vector2i moved = mContext->desktop.pointer(*mWindow);
    if (mPointer == moved)
        return;
    mPointer = moved;
    if (const auto lit = MenuButtons::at(pointerOnImage(moved)))
    {
        mHighlight = *lit;
        if (mHoverSoundArmed)
            Effects::play(mHoverSound);
        mHoverSoundArmed = false;
    }
    else
    {
        mHighlight = Lit::None;
        mHoverSoundArmed = true;
    }
}

void Menu::handleMouseClick(sf::Mouse::Button button, bool /*pressed*/)
{
    if (button != sf::Mouse::Left)
        return;
    if (const auto lit = MenuButtons::at(pointerOnImage(mContext->desktop.pointer(*mWindow))))
        choose(*lit);
}

// Up and Down light the button above or below the lit one (from none, Play);
// neither wraps round, so a held key settles on a button.
void Menu::handleKey(sf::Keyboard::Key key)
{
    switch (key)
    {
    case sf::Keyboard::Up:
    case sf::Keyboard::W:
        lightByKey(MenuButtons::neighbour(mHighlight, -1));
        break;
    case sf::Keyboard::Down:
    case sf::Keyboard::S:
        lightByKey(MenuButtons::neighbour(mHighlight, 1));
        break;
    case sf::Keyboard::O:
        choose(Lit::Options);
        break;
    case sf::Keyboard::Enter:
        choose(mHighlight == Lit::None ? Lit::Play : mHighlight);
        break;
    case sf::Keyboard::Space:
        if (mHighlight != Lit::None)
            choose(mHighlight);
        break;
    case sf::Keyboard::Escape:
        // A pad's B goes back in the options; here it would end the game unasked.
        if (!mContext->events.isFromPad())
            choose(Lit::Exit);
        break;
    default:
        break;
    }
}

// Each button the keys light sounds as one the pointer enters.
void Menu::lightByKey(int highlight)
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
    mOptions = std::make_unique<OptionsMenu>(*mContext, &mHoverSound);
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
