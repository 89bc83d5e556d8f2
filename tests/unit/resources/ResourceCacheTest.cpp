#include "resources/ResourceCache.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/TestWindow.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

class ResourceCacheLoading : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestWindow::shared(); // textures want a GL context
    }

    std::string makeImage(const std::string& name, unsigned int width, unsigned int height)
    {
        sf::Image image;
        image.create(width, height, sf::Color::Cyan);
        const std::string path = (mFolder / name).string();
        EXPECT_TRUE(image.saveToFile(path));
        return path;
    }

    std::string makeSound(const std::string& name, std::size_t samples)
    {
        const std::string path = (mFolder / name).string();
        sf::OutputSoundFile file;
        EXPECT_TRUE(file.openFromFile(path, 44100, 1));
        std::vector<sf::Int16> silence(samples, 0);
        file.write(silence.data(), silence.size());
        return path;
    }

    std::string missing(const std::string& name) const { return (mFolder / name).string(); }

    ResourceCache mCache;
    ConsoleCapture mConsole;

private:
    TemporaryFolder mFolder{"cache"};
};

TEST_F(ResourceCacheLoading, EachLoadWritesOneLineWithTheExactVerdict)
{
    const std::string good = makeImage("good.png", 4, 4);
    const std::string bad = missing("absent.png");
    mCache.load(Textures::PlayerShip, good);
    mCache.load(Textures::Beam, bad);

    const std::vector<std::string> expected = {good + " SUCCESFULLY loaded!",
                                               bad + " failed to load"};
    EXPECT_EQ(mConsole.lines(), expected);
    EXPECT_EQ(mConsole.text().back(), '\n');
}

TEST_F(ResourceCacheLoading, AMissingFileStillStoresAnEmptyObjectOfEachKind)
{
    mCache.load(Textures::Wall, missing("a.png"));
    mCache.load(SoundBuffers::Laser, missing("a.wav"));
    mCache.load(Fonts::DigitalTech, missing("a.otf"));
    mCache.load(Music::MenuTheme, missing("a.ogg"));

    EXPECT_EQ(mCache.get(Textures::Wall).getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(mCache.get(SoundBuffers::Laser).getSampleCount(), 0u);
    EXPECT_EQ(mCache.get(Fonts::DigitalTech).getInfo().family, "");
    EXPECT_EQ(mCache.get(Music::MenuTheme).getDuration(), sf::Time::Zero);
    EXPECT_EQ(mConsole.lines().size(), 4u);
}

TEST_F(ResourceCacheLoading, ASecondLoadOfAnIdKeepsTheFirstObjectButStillReports)
{
    mCache.load(Textures::Galaxy, makeImage("first.png", 8, 2));
    mCache.load(Textures::Galaxy, makeImage("second.png", 3, 3));

    EXPECT_EQ(mCache.get(Textures::Galaxy).getSize(), sf::Vector2u(8, 2));
    EXPECT_EQ(mConsole.lines().size(), 2u);
}

TEST_F(ResourceCacheLoading, ReferencesSurviveLaterLoads)
{
    mCache.load(SoundBuffers::Explosion, makeSound("boom.wav", 441));
    const sf::SoundBuffer* first = &mCache.get(SoundBuffers::Explosion);
    mCache.load(SoundBuffers::Laser, makeSound("zap.wav", 100));
    mCache.load(SoundBuffers::PowerUp, makeSound("chime.wav", 100));
    mCache.load(SoundBuffers::Hover, missing("blip.wav"));

    EXPECT_EQ(&mCache.get(SoundBuffers::Explosion), first);
    EXPECT_EQ(first->getSampleCount(), 441u);
}

TEST_F(ResourceCacheLoading, ANonImageIsReportedAsFailed)
{
    const std::string sound = missing("not-an-image.png");
    fs::rename(makeSound("sound.wav", 100), sound);
    mCache.load(Textures::BossA, sound);
    EXPECT_EQ(mConsole.lines(), std::vector<std::string>{sound + " failed to load"});
}

// SFML goes by the bytes, not the name: every format it decodes loads.
TEST_F(ResourceCacheLoading, AnImageOfAnotherFormatUnderAPngNameLoads)
{
    const std::pair<Textures::ID, std::string> formats[] = {
        {Textures::Beam, "bmp"}, {Textures::Bolt, "tga"}, {Textures::Wall, "jpg"}};
    for (const auto& [id, format] : formats)
    {
        const std::string renamed = missing(format + "-inside.png");
        fs::rename(makeImage("picture." + format, 6, 5), renamed);
        mCache.load(id, renamed);
        EXPECT_EQ(mCache.get(id).getSize(), sf::Vector2u(6, 5)) << format;
    }
}
