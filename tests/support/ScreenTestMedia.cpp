#include "support/ScreenTestMedia.hpp"

#include "resources/MediaFiles.hpp"
#include "support/WorkingDirectory.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
void writeImage(const std::filesystem::path& file, sf::Color colour, unsigned int side = 800)
{
    std::filesystem::create_directories(file.parent_path());
    sf::Image image;
    image.create(side, side, colour);
    if (!image.saveToFile(file.string()))
        throw std::runtime_error("cannot write " + file.string());
}

void writeTone(const std::filesystem::path& file, float seconds)
{
    std::filesystem::create_directories(file.parent_path());
    const unsigned int rate = 44100;
    std::vector<sf::Int16> samples(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<sf::Int16>(8000 * std::sin(2.0 * 3.14159265 * 440.0 * i / rate));
    sf::OutputSoundFile out;
    if (!out.openFromFile(file.string(), rate, 1))
        throw std::runtime_error("cannot write " + file.string());
    out.write(samples.data(), samples.size());
}

void writeAll(const std::filesystem::path& folder)
{
    writeImage(folder / MediaFiles::LoadScreenNeutral, ScreenTestMedia::Neutral);
    writeImage(folder / MediaFiles::LoadScreenPlay, ScreenTestMedia::PlayLit);
    writeImage(folder / MediaFiles::LoadScreenExit, ScreenTestMedia::ExitLit);
    writeImage(folder / MediaFiles::OptionsLit, ScreenTestMedia::OptionsLit, 40);
    writeImage(folder / MediaFiles::LoseScreen, ScreenTestMedia::GameOver);
    // Several seconds each: a sound a test has just started must still be playing.
    writeTone(folder / MediaFiles::Hover, 5.f);
    writeTone(folder / MediaFiles::Lose, ScreenTestMedia::LoseSeconds);
    writeTone(folder / MediaFiles::Lose2, ScreenTestMedia::SecondLoseSeconds);
    writeTone(folder / MediaFiles::MenuSong, 1.f);
}
} // namespace

std::filesystem::path ScreenTestMedia::folder()
{
    // Removed when the process ends.
    static const TemporaryFolder folder = []
    {
        TemporaryFolder made("screen-media");
        writeAll(made);
        return made;
    }();
    return folder;
}
