#include "resources/ScreenMedia.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/ResourceIdentifiers.hpp"

const std::vector<ScreenMedia::File>& ScreenMedia::of(Screen screen)
{
    static const std::vector<File> play = {
        {Kind::Texture, Textures::PlayerShip, MediaFiles::PlayerShip},
        {Kind::Texture, Textures::EnemyA, MediaFiles::EnemyA},
        {Kind::Texture, Textures::EnemyB, MediaFiles::EnemyB},
        {Kind::Texture, Textures::EnemyC, MediaFiles::EnemyC},
        {Kind::Texture, Textures::BossA, MediaFiles::BossA},
        {Kind::Texture, Textures::Bolt, MediaFiles::Bolt},
        {Kind::Texture, Textures::AddShip, MediaFiles::AddShip},
        {Kind::Texture, Textures::BulletSpeed, MediaFiles::BulletSpeed},
        {Kind::Texture, Textures::Beam, MediaFiles::Beam},
        {Kind::Texture, Textures::Galaxy, MediaFiles::Galaxy},
        {Kind::Texture, Textures::Wall, MediaFiles::Wall},
        {Kind::SoundBuffer, SoundBuffers::Laser, MediaFiles::Laser},
        {Kind::SoundBuffer, SoundBuffers::Explosion, MediaFiles::Explosion},
        {Kind::SoundBuffer, SoundBuffers::PowerUp, MediaFiles::PowerUp},
        {Kind::Font, Fonts::DigitalTech, MediaFiles::DigitalTech},
        {Kind::QuietSound, 0, MediaFiles::Hit},
        {Kind::QuietImage, 0, MediaFiles::EnemyShot},
    };
    static const std::vector<File> menu = {
        {Kind::Texture, Textures::LoadScreenNeutral, MediaFiles::LoadScreenNeutral},
        {Kind::Texture, Textures::LoadScreenPlay, MediaFiles::LoadScreenPlay},
        {Kind::Texture, Textures::LoadScreenExit, MediaFiles::LoadScreenExit},
        {Kind::SoundBuffer, SoundBuffers::Hover, MediaFiles::Hover},
        {Kind::Song, Music::MenuTheme, MediaFiles::MenuSong},
        {Kind::QuietImage, 0, MediaFiles::OptionsLit},
    };
    static const std::vector<File> gameOver = {
        {Kind::Texture, Textures::LoseScreen, MediaFiles::LoseScreen},
        {Kind::SoundBuffer, SoundBuffers::Lose, MediaFiles::Lose},
        {Kind::SoundBuffer, SoundBuffers::Lose2, MediaFiles::Lose2},
    };
    static const std::vector<File> window = {
        {Kind::QuietImage, 0, MediaFiles::WindowIcon},
    };
    switch (screen)
    {
    case Screen::Play:
        return play;
    case Screen::Menu:
        return menu;
    case Screen::GameOver:
        return gameOver;
    case Screen::Window:
        break;
    }
    return window;
}
