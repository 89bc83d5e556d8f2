#include "screens/Menu.hpp"

#include "config/BestLevel.hpp"
#include "platform/Desktop.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "resources/MediaFiles.hpp"
#include "session/ScreenContext.hpp"
#include "sound/AudioDevice.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Window/Event.hpp>

#include <cmath>

namespace
{
// Button areas in the menu image's own pixels, every bound exclusive. The image
// fills the field, so these are field units too.
struct Area
{
    int left, right, top, bottom;

    bool contains(sf::Vector2i point) const
    {
        return point.x > left && point.x < right && point.y > top && point.y < bottom;
    }
};

constexpr Area PlayButton{296, 509, 516, 579};
constexpr Area ExitButton{317, 480, 625, 693};

constexpr int ExitLit = 0;
constexpr int NeutralImage = 1;
constexpr int PlayLit = 2;
} // namespace

Menu::Menu(ScreenContext& context)
    : mShowMenu(true), mHoverSoundArmed(true), mContext(&context), mWindow(&context.window),
      mHighlight(NeutralImage), mCommand(context.events, Gamepad::Layout::Menu)
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
    mHighlight = NeutralImage;
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
    // The picture: which image is lit, and which word on the sound shows.
    if (!mStill.needsDrawing(mHighlight + 3 * mContext->notice.picture(), *mWindow))
        return false;
    mWindow->clear(sf::Color::Black);
    if (mHighlight == NeutralImage)
        mWindow->draw(mNeutralSprite, sf::RenderStates::Default);
    else if (mHighlight == PlayLit)
        mWindow->draw(mPlaySprite, sf::RenderStates::Default);
    else if (mHighlight == ExitLit)
        mWindow->draw(mExitSprite, sf::RenderStates::Default);
    mBestCaption.draw(*mWindow);
    mContext->notice.draw(*mWindow);
    return true;
}

void Menu::processEvents()
{
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
        switch (event.type)
        {
        case sf::Event::Closed:
            mWindow->close();
            mCommand.quit();
            break;
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
    const sf::Vector2i pointer = pointerOnImage(moved);

    if (PlayButton.contains(pointer))
    {
        mHighlight = PlayLit;
        if (mHoverSoundArmed)
        {
            mHoverSound.play();
            mHoverSoundArmed = false;
        }
    }
    else if (ExitButton.contains(pointer))
    {
        mHighlight = ExitLit;
        if (mHoverSoundArmed)
        {
            mHoverSound.play();
            mHoverSoundArmed = false;
        }
    }
    else
    {
        mHighlight = NeutralImage;
        mHoverSoundArmed = true;
    }
}

void Menu::handleMouseClick(sf::Mouse::Button button, bool /*pressed*/)
{
    if (button == sf::Mouse::Left && isMouseOverPlay())
        choose(PlayLit);
    if (button == sf::Mouse::Left && isMouseOverExit())
        choose(ExitLit);
}

// Up lights Play and Down the button below the lit one; neither wraps round,
// so a held key settles on a button.
void Menu::handleKey(sf::Keyboard::Key key)
{
    switch (key)
    {
    case sf::Keyboard::Up:
    case sf::Keyboard::W:
        lightByKey(PlayLit);
        break;
    case sf::Keyboard::Down:
    case sf::Keyboard::S:
        lightByKey(mHighlight == NeutralImage ? PlayLit : ExitLit);
        break;
    case sf::Keyboard::Enter:
        choose(mHighlight == ExitLit ? ExitLit : PlayLit);
        break;
    case sf::Keyboard::Space:
        if (mHighlight != NeutralImage)
            choose(mHighlight);
        break;
    case sf::Keyboard::Escape:
        choose(ExitLit);
        break;
    default:
        break;
    }
}

// Each button the keys light sounds as one the pointer enters.
void Menu::lightByKey(int highlight)
{
    if (highlight != mHighlight)
        mHoverSound.play();
    mHighlight = highlight;
}

void Menu::choose(int highlight)
{
    if (highlight == PlayLit)
        mShowMenu = false;
    else if (highlight == ExitLit)
    {
        mWindow->close();
        mCommand.quit();
    }
}

bool Menu::isMouseOverPlay() const
{
    return PlayButton.contains(pointerOnImage(mContext->desktop.pointer(*mWindow)));
}

bool Menu::isMouseOverExit() const
{
    return ExitButton.contains(pointerOnImage(mContext->desktop.pointer(*mWindow)));
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
