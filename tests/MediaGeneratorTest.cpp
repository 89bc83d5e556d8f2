#include "resources/MediaFiles.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// The media the build lays beside the game.
fs::path built(const char* file)
{
    return TestFolders::withMedia() / file;
}

sf::Image loadImage(const char* file)
{
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(built(file).string())) << file;
    return image;
}

struct Sound
{
    unsigned sampleRate = 0;
    unsigned channels = 0;
    std::vector<sf::Int16> samples; // interleaved

    float seconds() const
    {
        return static_cast<float>(samples.size()) / static_cast<float>(channels * sampleRate);
    }
};

Sound loadSound(const char* file)
{
    sf::InputSoundFile input;
    Sound sound;
    EXPECT_TRUE(input.openFromFile(built(file).string())) << file;
    sound.sampleRate = input.getSampleRate();
    sound.channels = input.getChannelCount();
    sound.samples.resize(static_cast<std::size_t>(input.getSampleCount()));
    sound.samples.resize(
        static_cast<std::size_t>(input.read(sound.samples.data(), sound.samples.size())));
    return sound;
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> filesUnder(const fs::path& root)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.push_back(fs::relative(entry.path(), root));
    std::sort(files.begin(), files.end());
    return files;
}

int channelDifference(sf::Color a, sf::Color b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

fs::path generatorExecutable()
{
#ifdef VANTORIX_MEDIA_GENERATOR
    return VANTORIX_MEDIA_GENERATOR;
#else
    return TestFolders::withMedia() / "tools" / "media_generator";
#endif
}

// Full scale of 16-bit audio at -1 dBFS.
const double HeadroomLimit = 32767.0 * std::pow(10.0, -1.0 / 20.0);
} // namespace

TEST(GeneratedTextures, EachAppearsOnScreenAtItsIntendedSize)
{
    // Screen size = texture size times the scale the game draws the picture at.
    struct Case
    {
        const char* file;
        float scale;
        float minWidth, maxWidth, minHeight, maxHeight;
    };
    const Case cases[] = {
        {MediaFiles::PlayerShip, 0.13f, 60.f, 68.f, 60.f, 68.f},
        {MediaFiles::EnemyA, 0.3f, 50.f, 60.f, 50.f, 60.f},
        {MediaFiles::EnemyB, 0.3f, 50.f, 60.f, 50.f, 60.f},
        {MediaFiles::EnemyC, 0.3f, 50.f, 60.f, 50.f, 60.f},
        {MediaFiles::BossA, 1.5f, 180.f, 200.f, 130.f, 150.f},
        {MediaFiles::AddShip, 0.09f, 32.f, 44.f, 32.f, 44.f},
        {MediaFiles::BulletSpeed, 1.f, 32.f, 40.f, 32.f, 40.f},
        {MediaFiles::Bolt, 1.f, 32.f, 40.f, 32.f, 40.f},
        {MediaFiles::Beam, 1.f, 2.f, 10.f, 12.f, 32.f},
    };
    for (const Case& c : cases)
    {
        const sf::Vector2u size = loadImage(c.file).getSize();
        const float width = static_cast<float>(size.x) * c.scale;
        const float height = static_cast<float>(size.y) * c.scale;
        EXPECT_GE(width, c.minWidth) << c.file;
        EXPECT_LE(width, c.maxWidth) << c.file;
        EXPECT_GE(height, c.minHeight) << c.file;
        EXPECT_LE(height, c.maxHeight) << c.file;
    }
}

TEST(GeneratedTextures, FullWindowPicturesAreExactlyTheWindowsSize)
{
    for (const char* file :
         {MediaFiles::Galaxy, MediaFiles::LoadScreenNeutral, MediaFiles::LoadScreenPlay,
          MediaFiles::LoadScreenExit, MediaFiles::LoseScreen})
        EXPECT_EQ(loadImage(file).getSize(), sf::Vector2u(800, 800)) << file;
}

TEST(GeneratedTextures, WallSpansWiderThanAnyWindowBelowTheBottomEdge)
{
    const sf::Image wall = loadImage(MediaFiles::Wall);
    EXPECT_GE(wall.getSize().x, 3840u);
    EXPECT_GE(wall.getSize().y, 64u);
    EXPECT_LT(fs::file_size(built(MediaFiles::Wall)), 64u * 1024u);
}

TEST(GeneratedTextures, SpritesKeepEveryArtPixelAtTheGameScale)
{
    // Drawn with nearest-neighbour sampling, screen pixel j shows texel floor((j + 0.5) / s).
    // A texel in the block that screen pixel covers must look like the texel shown, or
    // detail would flicker in and out as the sprite is downscaled.
    struct Case
    {
        const char* file;
        float scale;
    };
    const Case cases[] = {{MediaFiles::PlayerShip, 0.13f},
                          {MediaFiles::EnemyA, 0.3f},
                          {MediaFiles::EnemyB, 0.3f},
                          {MediaFiles::EnemyC, 0.3f},
                          {MediaFiles::AddShip, 0.09f}};
    for (const Case& c : cases)
    {
        const sf::Image image = loadImage(c.file);
        const auto shown = [&](unsigned texel)
        {
            const auto screen = static_cast<unsigned>(static_cast<float>(texel) * c.scale);
            return std::min(static_cast<unsigned>((static_cast<float>(screen) + 0.5f) / c.scale),
                            image.getSize().x - 1);
        };
        int mismatches = 0;
        for (unsigned y = 0; y < image.getSize().y; ++y)
            for (unsigned x = 0; x < image.getSize().x; ++x)
                if (image.getPixel(x, y) != image.getPixel(shown(x), shown(y)))
                    ++mismatches;
        EXPECT_EQ(mismatches, 0) << c.file;
    }
}

TEST(GeneratedTextures, SpritesStandOnTransparency)
{
    for (const char* file :
         {MediaFiles::PlayerShip, MediaFiles::EnemyA, MediaFiles::EnemyB, MediaFiles::EnemyC,
          MediaFiles::BossA, MediaFiles::AddShip, MediaFiles::BulletSpeed, MediaFiles::Bolt})
    {
        const sf::Image image = loadImage(file);
        const sf::Vector2u last = image.getSize() - sf::Vector2u(1, 1);
        EXPECT_EQ(image.getPixel(0, 0).a, 0) << file;
        EXPECT_EQ(image.getPixel(last.x, 0).a, 0) << file;
        EXPECT_EQ(image.getPixel(0, last.y).a, 0) << file;
        EXPECT_EQ(image.getPixel(last.x, last.y).a, 0) << file;
        EXPECT_EQ(image.getPixel(image.getSize().x / 2, image.getSize().y / 2).a, 255) << file;
    }
}

TEST(GeneratedTextures, GalaxyRunsOnAcrossItsBottomEdgeIntoItsTop)
{
    // Two copies stacked vertically meet bottom row to top row: that seam must change no
    // more than neighbouring rows inside the picture do.
    const sf::Image galaxy = loadImage(MediaFiles::Galaxy);
    const auto rowChange = [&](unsigned upper, unsigned lower)
    {
        double total = 0.0;
        for (unsigned x = 0; x < 800; ++x)
            total += channelDifference(galaxy.getPixel(x, upper), galaxy.getPixel(x, lower));
        return total / 800.0;
    };
    double inside = 0.0;
    for (unsigned y = 0; y + 1 < 800; ++y)
        inside = std::max(inside, rowChange(y, y + 1));
    EXPECT_LE(rowChange(799, 0), inside);
}

TEST(GeneratedMenuScreens, HighlightedImageLightsOnlyItsOwnButton)
{
    // Image coordinates of the buttons, all bounds exclusive.
    struct Area
    {
        int left, top, right, bottom;
        bool contains(int x, int y) const { return x > left && x < right && y > top && y < bottom; }
    };
    struct Case
    {
        const char* file;
        Area button;
    };
    const Case cases[] = {{MediaFiles::LoadScreenPlay, {296, 516, 509, 579}},
                          {MediaFiles::LoadScreenExit, {317, 625, 480, 693}}};
    const sf::Image neutral = loadImage(MediaFiles::LoadScreenNeutral);
    for (const Case& c : cases)
    {
        const sf::Image lit = loadImage(c.file);
        // JPEG codes 16 x 16 blocks: blocks clear of the button decode to the same pixels.
        const Area blocks{(c.button.left + 1) / 16 * 16 - 1, (c.button.top + 1) / 16 * 16 - 1,
                          (c.button.right + 15) / 16 * 16, (c.button.bottom + 15) / 16 * 16};
        long litInside = 0, neutralInside = 0;
        int pixelsInside = 0, changedOutside = 0;
        for (int y = 0; y < 800; ++y)
            for (int x = 0; x < 800; ++x)
            {
                const sf::Color a =
                    lit.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
                const sf::Color b =
                    neutral.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
                if (c.button.contains(x, y))
                {
                    litInside += a.r + a.g + a.b;
                    neutralInside += b.r + b.g + b.b;
                    ++pixelsInside;
                }
                else if (!blocks.contains(x, y) && a != b)
                    ++changedOutside;
            }
        EXPECT_EQ(changedOutside, 0) << c.file;
        // Lit means clearly brighter across the whole button.
        EXPECT_GT(litInside - neutralInside, 60L * pixelsInside) << c.file;
    }
}

TEST(GeneratedSounds, EffectsHaveTheirLengthRateAndHeadroom)
{
    struct Case
    {
        const char* file;
        float minSeconds, maxSeconds;
    };
    const Case cases[] = {
        {MediaFiles::Laser, 0.1f, 0.3f},  {MediaFiles::Explosion, 0.6f, 1.f},
        {MediaFiles::PowerUp, 0.3f, 1.f}, {MediaFiles::Hover, 0.03f, 0.1f},
        {MediaFiles::Lose, 1.8f, 2.2f},   {MediaFiles::Lose2, 1.3f, 1.7f},
    };
    for (const Case& c : cases)
    {
        const Sound sound = loadSound(c.file);
        EXPECT_EQ(sound.sampleRate, 44100u) << c.file;
        EXPECT_GE(sound.seconds(), c.minSeconds) << c.file;
        EXPECT_LE(sound.seconds(), c.maxSeconds) << c.file;
        int peak = 0;
        for (sf::Int16 s : sound.samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LT(peak, HeadroomLimit) << c.file;
        EXPECT_GT(peak, HeadroomLimit / 4) << c.file << " is barely audible";
        // Faded in and out: no click where playback starts or stops.
        EXPECT_LE(std::abs(sound.samples.front()), 64) << c.file;
        EXPECT_LE(std::abs(sound.samples.back()), 64) << c.file;
    }
}

TEST(GeneratedSounds, MenuSongLastsHalfAMinuteAndLoopsWithoutAJump)
{
    const Sound song = loadSound(MediaFiles::MenuSong);
    ASSERT_GE(song.channels, 1u);
    EXPECT_GE(song.seconds(), 30.f);
    EXPECT_TRUE(song.sampleRate == 22050u || song.sampleRate == 44100u);

    // Across the loop point the wave moves no further than between neighbouring samples
    // in the loudest moments of the song itself.
    const std::size_t frames = song.samples.size() / song.channels;
    for (unsigned channel = 0; channel < song.channels; ++channel)
    {
        const auto at = [&](std::size_t frame)
        { return static_cast<int>(song.samples[frame * song.channels + channel]); };
        std::vector<int> steps;
        for (std::size_t frame = 0; frame + 1 < frames; ++frame)
            steps.push_back(std::abs(at(frame + 1) - at(frame)));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
        const int loudStep = steps[steps.size() * 99 / 100];
        EXPECT_LE(std::abs(at(0) - at(frames - 1)), loudStep) << "channel " << channel;
    }
    int peak = 0;
    for (sf::Int16 s : song.samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, HeadroomLimit);
}

TEST(GeneratedFont, DigitalFaceLoadsWithItsLicenceBesideIt)
{
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(built(MediaFiles::DigitalTech).string()));
    EXPECT_NE(font.getInfo().family.find("DSEG"), std::string::npos);
    const std::string licence = contents(built("Media/Fonts/LICENSE-DSEG.txt"));
    EXPECT_NE(licence.find("OFL-1.1"), std::string::npos);
}

// The build's Media comes from a run of the same generator: one more run,
// in a folder of its own, must write the same files byte for byte.
TEST(MediaGenerator, TwoRunsWriteTheSameFilesByteForByte)
{
    const TemporaryFolder folder;
    const std::string command =
        "\"" + generatorExecutable().string() + "\" \"" + folder.path().string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<fs::path> files = filesUnder(TestFolders::withMedia() / "Media");
    ASSERT_EQ(filesUnder(folder / "Media"), files);
    for (const fs::path& file : files)
        EXPECT_TRUE(contents(folder / "Media" / file) ==
                    contents(TestFolders::withMedia() / "Media" / file))
            << file;
}
