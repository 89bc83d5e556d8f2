#include "presentation/RecordCaption.hpp"
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

    // The largest sample, as a fraction of full scale.
    double peak() const
    {
        int largest = 0;
        for (sf::Int16 s : samples)
            largest = std::max(largest, std::abs(static_cast<int>(s)));
        return largest / 32767.0;
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

// -6 dBFS: what every sound may peak at, so that the sounds that meet in play and in
// the menu have room to add up.
const double HeadroomLimit = std::pow(10.0, -6.0 / 20.0);

// Share of a mono sound's energy above a frequency: a fourth-order Butterworth high-pass
// (two biquad sections) over the sound, against the sound itself.
double energyShareAbove(const Sound& sound, double frequency)
{
    const auto energy = [](const std::vector<double>& signal)
    {
        double sum = 0.0;
        for (double s : signal)
            sum += s * s;
        return sum;
    };
    const double w = 2.0 * 3.14159265358979 * frequency / sound.sampleRate;
    std::vector<double> signal(sound.samples.begin(), sound.samples.end());
    const double total = energy(signal);
    for (double q : {0.54119610, 1.3065630})
    {
        const double alpha = std::sin(w) / (2.0 * q), c = std::cos(w), a0 = 1.0 + alpha;
        const double b0 = (1.0 + c) / 2.0 / a0, b1 = -(1.0 + c) / a0, b2 = b0;
        const double a1 = -2.0 * c / a0, a2 = (1.0 - alpha) / a0;
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        for (double& s : signal)
        {
            const double y = b0 * s + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = s;
            y2 = y1;
            y1 = y;
            s = y;
        }
    }
    return energy(signal) / total;
}
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
        {MediaFiles::EnemyShot, 1.f, 2.f, 10.f, 12.f, 32.f},
    };
    // The enemies' shot shape is drawn on the beam's bounds: the game takes it only at that size.
    EXPECT_EQ(loadImage(MediaFiles::EnemyShot).getSize(), loadImage(MediaFiles::Beam).getSize());
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
    for (const char* file : {MediaFiles::LoadScreenNeutral, MediaFiles::LoadScreenPlay,
                             MediaFiles::LoadScreenExit, MediaFiles::LoseScreen})
        EXPECT_EQ(loadImage(file).getSize(), sf::Vector2u(800, 800)) << file;
}

TEST(GeneratedTextures, GalaxyRepeatsEvery800RowsWithMarginsAboveAndBelow)
{
    // A wrap drops up to one frame's step: the margins must outlast a frame of half a
    // second at 150 units a second, and show exactly the sky the other copy shows there.
    const sf::Image galaxy = loadImage(MediaFiles::Galaxy);
    ASSERT_EQ(galaxy.getSize().x, 800u);
    const unsigned margins = galaxy.getSize().y - 800u;
    EXPECT_EQ(margins % 2, 0u) << "as many rows above as below";
    EXPECT_GE(margins / 2, 75u);
    int differing = 0;
    for (unsigned y = 800; y < galaxy.getSize().y; ++y)
        for (unsigned x = 0; x < 800; ++x)
            differing += galaxy.getPixel(x, y) != galaxy.getPixel(x, y - 800);
    EXPECT_EQ(differing, 0);
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

TEST(GeneratedTextures, BossArtPixelsAreTwoByTwoTexelsSoThreeScreenPixelsAtItsScale)
{
    // Drawn at 1.5, a lone texel covers one or two screen pixels by where it falls; a
    // 2 x 2 block always covers 3 x 3.
    const sf::Image boss = loadImage(MediaFiles::BossA);
    int offBlock = 0;
    for (unsigned y = 0; y < boss.getSize().y; ++y)
        for (unsigned x = 0; x < boss.getSize().x; ++x)
            offBlock += boss.getPixel(x, y) != boss.getPixel(x & ~1u, y & ~1u);
    EXPECT_EQ(offBlock, 0);
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
    // The sky's last row meets its first where the top margin ends: that join must change
    // no more than neighbouring rows elsewhere in the picture do.
    const sf::Image galaxy = loadImage(MediaFiles::Galaxy);
    const unsigned join = (galaxy.getSize().y - 800u) / 2;
    const auto rowChange = [&](unsigned upper)
    {
        double total = 0.0;
        for (unsigned x = 0; x < 800; ++x)
            total += channelDifference(galaxy.getPixel(x, upper), galaxy.getPixel(x, upper + 1));
        return total / 800.0;
    };
    double elsewhere = 0.0;
    for (unsigned y = 0; y + 1 < galaxy.getSize().y; ++y)
        if ((y + 1) % 800 != join)
            elsewhere = std::max(elsewhere, rowChange(y));
    EXPECT_LE(rowChange(join - 1), elsewhere);
}

TEST(GeneratedTextures, GameOverPictureKeepsTheCaptionsBandClearOfShards)
{
    // The sky there is drained to red; the lost ship's shards are its blue-white hull.
    const sf::Image picture = loadImage(MediaFiles::LoseScreen);
    int hull = 0;
    for (auto y = static_cast<unsigned>(RecordCaption::GameOverBandTop);
         y < static_cast<unsigned>(RecordCaption::GameOverBandBottom); ++y)
        for (unsigned x = 0; x < 800; ++x)
            hull += picture.getPixel(x, y).b > picture.getPixel(x, y).r + 40;
    EXPECT_EQ(hull, 0);
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
        bool overNeutral; // a picture of the button alone, drawn at its area's corner
    };
    const Case cases[] = {{MediaFiles::LoadScreenPlay, {296, 516, 509, 579}, false},
                          {MediaFiles::LoadScreenExit, {317, 625, 480, 693}, false},
                          {MediaFiles::OptionsLit, {322, 582, 475, 622}, true}};
    const sf::Image neutral = loadImage(MediaFiles::LoadScreenNeutral);
    for (const Case& c : cases)
    {
        sf::Image lit = loadImage(c.file);
        if (c.overNeutral)
        {
            const sf::Image button = lit;
            lit = neutral;
            lit.copy(button, static_cast<unsigned>(c.button.left),
                     static_cast<unsigned>(c.button.top), {}, true);
        }
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
        {MediaFiles::Hit, 0.03f, 0.1f},
    };
    for (const Case& c : cases)
    {
        const Sound sound = loadSound(c.file);
        EXPECT_EQ(sound.sampleRate, 44100u) << c.file;
        EXPECT_GE(sound.seconds(), c.minSeconds) << c.file;
        EXPECT_LE(sound.seconds(), c.maxSeconds) << c.file;
        EXPECT_LE(sound.peak(), HeadroomLimit) << c.file;
        EXPECT_GT(sound.peak(), HeadroomLimit / 4) << c.file << " is barely audible";
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
    EXPECT_LE(song.peak(), HeadroomLimit);
}

TEST(GeneratedSounds, ExplosionKeepsLittleEnergyAbove12Kilohertz)
{
    // -50 dB: the hiss that made it harsh held about -30 dB.
    EXPECT_LT(energyShareAbove(loadSound(MediaFiles::Explosion), 12000.0), 1e-5);
}

TEST(GeneratedSounds, TwoLasersAndAHitOverAnExplosionAndTheSongStayBelowFullScale)
{
    // Even with every peak meeting. OpenAL Soft plays the stereo song at full gain and a
    // mono effect from the listener's position at about 0.6 in each of two channels.
    const double effectGain = 0.6;
    const double worst =
        loadSound(MediaFiles::MenuSong).peak() +
        effectGain * (2.0 * loadSound(MediaFiles::Laser).peak() +
                      loadSound(MediaFiles::Explosion).peak() + loadSound(MediaFiles::Hit).peak());
    EXPECT_LT(worst, 1.0);
}

TEST(GeneratedFont, LevelFaceLoadsWithItsLicenceBesideIt)
{
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(built(MediaFiles::DigitalTech).string()));
    EXPECT_NE(font.getInfo().family.find("3270"), std::string::npos);
    const std::string licence = contents(built("Media/Fonts/LICENSE-3270.txt"));
    EXPECT_NE(licence.find("BSD3|SIL"), std::string::npos);
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
