// Times the real game on the real clock, each figure against a bare SFML
// baseline measured in the same run:
//   vantorix_timing fps [seconds per round] [rounds]
//   vantorix_timing startup [repetitions]
//   vantorix_timing media
//   vantorix_timing renderer
//   vantorix_timing fire [seconds per rate] [frames per second cap]
//   vantorix_timing replay FILE [rounds] [frames per second cap]
// Prints one figure a line: name, value, unit.
#include "BusyPlayScreen.hpp"
#include "actors/Player.hpp"
#include "app/Level.hpp"
#include "foundation/GameClock.hpp"
#include "gameplay/ReplayGame.hpp"
#include "platform/Desktop.hpp"
#include "platform/FrameCap.hpp"
#include "presentation/Background.hpp"
#include "presentation/BattleEffects.hpp"
#include "presentation/Lettering.hpp"
#include "presentation/ScoreBoard.hpp"
#include "presentation/StatusDisplay.hpp"
#include "replay/ReplayFiles.hpp"
#include "resources/MediaFiles.hpp"
#include "support/NodeInternals.hpp"

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/OpenGL.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// The busy level-1 field the frame benchmarks use.
constexpr std::size_t PlayNodes = 60;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

void printFigure(const std::string& name, double value, const std::string& unit)
{
    std::cout << name << ' ' << value << ' ' << unit << std::endl;
}

// The play screen's loading lines would land among the figures.
class QuietConsole
{
public:
    QuietConsole() : mConsole(std::cout.rdbuf(mSwallowed.rdbuf())) {}
    ~QuietConsole() { std::cout.rdbuf(mConsole); }

private:
    std::ostringstream mSwallowed;
    std::streambuf* mConsole;
};

// The play screen's 15 loads, in its order.
struct TextureFile
{
    Textures::ID id;
    const char* file;
};
const TextureFile PlayTextures[] = {{Textures::PlayerShip, MediaFiles::PlayerShip},
                                    {Textures::EnemyA, MediaFiles::EnemyA},
                                    {Textures::EnemyB, MediaFiles::EnemyB},
                                    {Textures::EnemyC, MediaFiles::EnemyC},
                                    {Textures::BossA, MediaFiles::BossA},
                                    {Textures::Bolt, MediaFiles::Bolt},
                                    {Textures::AddShip, MediaFiles::AddShip},
                                    {Textures::BulletSpeed, MediaFiles::BulletSpeed},
                                    {Textures::Beam, MediaFiles::Beam},
                                    {Textures::Galaxy, MediaFiles::Galaxy},
                                    {Textures::Wall, MediaFiles::Wall}};
const char* const PlaySounds[] = {MediaFiles::Laser, MediaFiles::Explosion, MediaFiles::PowerUp};

// What a frame of the play screen drew, in drawing order: a node's sprite,
// or the place where the background drew its two tiles or the score board
// its texts; then over the scene an enemy's hit flash, a bonus's badge or the
// count beside it. (The busy field has no boss, so no boss's bar.)
struct DrawnItem
{
    enum Kind
    {
        NodeSprite,
        BackgroundTiles,
        LevelTexts,
        Light, // the frame's glow and bursts
        HitFlash,
        Badge,
        BadgeCount
    };
    Kind kind;
    // By identifier: the play screen and its textures are gone by the time
    // the bare loop draws the frame again with textures of its own.
    Textures::ID texture;
    sf::IntRect textureRect;
    sf::Transform transform;
    sf::Color colour;
    sf::String text;
};

struct Recording
{
    std::vector<DrawnItem> items;
    std::vector<std::size_t> frameEnds;  // one past each frame's last item
    std::vector<double> frameStarts;     // seconds since the round began
    std::vector<bool> banners;           // the score board showed its level banner
    std::vector<sf::VertexArray> lights; // each frame's glow and bursts
};

Textures::ID textureIdOf(const sf::Texture* texture, ResourceCache& resources)
{
    for (const TextureFile& known : PlayTextures)
        if (&resources.get(known.id) == texture)
            return known.id;
    std::cerr << "vantorix_timing: a node draws a texture the play screen did not load\n";
    std::exit(1);
}

// One frame in the order of the play screen's run(), one step at a time, so
// that only the frame is timed and the field can be refilled between frames.
void playFrame(PlayScreen& play, sf::Time deltaTime)
{
    play.processEvents();
    play.update(deltaTime);
    play.render();
}

template <typename Screen>
void recordFrame(Screen& play, double startedAt, bool banner, Recording& recording)
{
    NodeInternals::forEachNode(
        play.sceneGraph(),
        [&](SceneNode& node)
        {
            if (dynamic_cast<Background*>(&node) != nullptr)
                recording.items.push_back(
                    {DrawnItem::BackgroundTiles, Textures::Galaxy, {}, {}, sf::Color::White, {}});
            else if (dynamic_cast<ScoreBoard*>(&node) != nullptr)
                recording.items.push_back(
                    {DrawnItem::LevelTexts, Textures::Galaxy, {}, {}, sf::Color::White, {}});
            else if (const sf::Sprite& sprite = NodeInternals::spriteOf(node); sprite.getTexture())
                recording.items.push_back({DrawnItem::NodeSprite,
                                           textureIdOf(sprite.getTexture(), play.resources()),
                                           sprite.getTextureRect(),
                                           sprite.getTransform(),
                                           sf::Color::White,
                                           {}});
        });
    const auto overScene = [&](DrawnItem::Kind kind, const sf::Sprite& sprite)
    {
        recording.items.push_back({kind,
                                   textureIdOf(sprite.getTexture(), play.resources()),
                                   sprite.getTextureRect(),
                                   sprite.getTransform(),
                                   sprite.getColor(),
                                   {}});
    };
    recording.lights.push_back(play.effects().light());
    recording.items.push_back({DrawnItem::Light, Textures::Galaxy, {}, {}, sf::Color::White, {}});
    for (const sf::Sprite& flash : play.effects().flashes())
        overScene(DrawnItem::HitFlash, flash);
    for (const sf::Sprite& badge : play.status().badges())
        overScene(DrawnItem::Badge, badge);
    for (const sf::Text& count : play.status().counts())
        recording.items.push_back({DrawnItem::BadgeCount,
                                   Textures::Galaxy,
                                   {},
                                   count.getTransform(),
                                   sf::Color::White,
                                   count.getString()});
    recording.frameEnds.push_back(recording.items.size());
    recording.frameStarts.push_back(startedAt);
    recording.banners.push_back(banner);
}

struct RoundResult
{
    double framesPerSecond;
    std::size_t frames;
};

// Missiles leave the field within a second; filling it again this often
// keeps the tree near its size.
constexpr double RefillEvery = 0.5;
// The score board shows its banner for five seconds after its first draw.
constexpr double BannerSeconds = 5.0;

// The real play screen's loop, as its run() does it, on a busy field. Only
// the frames are timed: refilling the field and recording what was drawn
// happen between them.
RoundResult playRound(sf::RenderWindow& window, double seconds, unsigned seed, Recording& recording)
{
    BusyPlayScreen busy(window);
    std::srand(seed);
    sf::Clock clock;
    Seconds spent{0};
    std::size_t frames = 0;
    std::size_t build = 0;
    double builtAt = 0.0;
    double filledAt = -RefillEvery;
    const auto roundStart = Clock::now();
    for (double now = 0.0; now < seconds && window.isOpen();
         now = Seconds(Clock::now() - roundStart).count())
    {
        if (now - filledAt >= RefillEvery || !busy.screen().isPlaying())
        {
            busy.fill(PlayNodes, ++seed);
            filledAt = now;
            clock.restart();
        }
        if (busy.buildCount() != build)
        {
            build = busy.buildCount();
            builtAt = now;
        }
        PlayScreen& play = busy.screen();
        const auto frameStart = Clock::now();
        playFrame(play, clock.restart());
        spent += Clock::now() - frameStart;
        ++frames;
        recordFrame(play, now, now - builtAt < BannerSeconds, recording);
    }
    return {static_cast<double>(frames) / spent.count(), frames};
}

// A bare SFML loop drawing what the play screen drew, frame by frame: the
// same textures, texture rectangles and transforms in the same order, the two
// background tiles and the level texts, the light of the glow and the bursts,
// the flashes and the status display's badges. Capped, it waits for each
// frame as the play screen's cap does.
RoundResult bareRound(sf::RenderWindow& window, const Recording& recording,
                      std::optional<unsigned int> cap = std::nullopt)
{
    FrameCap frameCap(cap);
    std::map<Textures::ID, sf::Texture> textures;
    for (const TextureFile& texture : PlayTextures)
        textures[texture.id].loadFromFile(texture.file);
    sf::Font font;
    font.loadFromFile(MediaFiles::DigitalTech);
    const sf::Texture& galaxy = textures[Textures::Galaxy];
    sf::Sprite tiles[2] = {sf::Sprite(galaxy), sf::Sprite(galaxy)};
    sf::Text label("Level 1", font, 20);
    Lettering::outline(label);
    sf::Text banner("Level 1", font, 80);
    sf::Text count("", font, 18); // inked as the status display inks its step counts
    count.setFillColor(Lettering::Pale);
    Lettering::outline(count);
    banner.setPosition(800.f / 3.f, 800.f / 2.5f);
    sf::Sprite sprite;

    Seconds spent{0};
    std::size_t first = 0;
    for (std::size_t frame = 0; frame < recording.frameEnds.size(); ++frame)
    {
        const double at = recording.frameStarts[frame];
        const auto frameStart = Clock::now();
        sf::Event event;
        while (window.pollEvent(event))
        {
        }
        window.clear(sf::Color(0, 0, 0, 255));
        for (std::size_t i = first; i < recording.frameEnds[frame]; ++i)
        {
            const DrawnItem& item = recording.items[i];
            switch (item.kind)
            {
            case DrawnItem::NodeSprite:
                sprite.setTexture(textures[item.texture]);
                sprite.setTextureRect(item.textureRect);
                window.draw(sprite, sf::RenderStates(item.transform));
                break;
            case DrawnItem::BackgroundTiles:
            {
                const float y = std::fmod(static_cast<float>(at) * 150.f, 800.f);
                tiles[0].setPosition(0.f, y);
                tiles[1].setPosition(0.f, y - 800.f);
                window.draw(tiles[0]);
                window.draw(tiles[1]);
                break;
            }
            case DrawnItem::LevelTexts:
                window.draw(label);
                if (recording.banners[frame])
                    window.draw(banner);
                break;
            case DrawnItem::Light:
                window.draw(recording.lights[frame], sf::RenderStates(sf::BlendAdd));
                break;
            case DrawnItem::HitFlash:
            case DrawnItem::Badge:
                sprite.setTexture(textures[item.texture]);
                sprite.setTextureRect(item.textureRect);
                sprite.setColor(item.colour);
                window.draw(sprite,
                            sf::RenderStates(item.kind == DrawnItem::HitFlash ? sf::BlendAdd
                                                                              : sf::BlendAlpha,
                                             item.transform, nullptr, nullptr));
                sprite.setColor(sf::Color::White);
                break;
            case DrawnItem::BadgeCount:
                count.setString(item.text);
                window.draw(count, sf::RenderStates(item.transform));
                break;
            }
        }
        window.display();
        spent += Clock::now() - frameStart;
        first = recording.frameEnds[frame];
        frameCap.waitForNextFrame();
    }
    return {static_cast<double>(recording.frameEnds.size()) / spent.count(),
            recording.frameEnds.size()};
}

void measureFrameRate(double secondsPerRound, int rounds)
{
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    std::vector<double> play;
    std::vector<double> bare;
    std::vector<double> ratios;
    std::vector<double> drawnPerFrame;
    for (int round = 0; round < rounds; ++round)
    {
        Recording recording;
        const RoundResult played =
            playRound(window, secondsPerRound, static_cast<unsigned>(round + 1), recording);
        const RoundResult replayed = bareRound(window, recording);
        play.push_back(played.framesPerSecond);
        bare.push_back(replayed.framesPerSecond);
        ratios.push_back(played.framesPerSecond / replayed.framesPerSecond);
        drawnPerFrame.push_back(static_cast<double>(recording.items.size()) /
                                static_cast<double>(played.frames));
    }
    printFigure("fps.play_screen", median(play), "frames/s");
    printFigure("fps.bare_loop", median(bare), "frames/s");
    printFigure("fps.ratio", median(ratios), "play/bare");
    printFigure("fps.drawn_items", median(drawnPerFrame), "items/frame");
    printFigure("fps.rounds", rounds, "rounds");
    printFigure("fps.seconds_per_round", secondsPerRound, "s");
}

double constructPlayScreen(sf::RenderWindow& window)
{
    QuietConsole quiet;
    Desktop desktop;
    Session session(window, desktop);
    const auto start = Clock::now();
    PlayScreen screen(session.context());
    return Seconds(Clock::now() - start).count();
}

double decodeAlone()
{
    const auto start = Clock::now();
    std::vector<std::unique_ptr<sf::Texture>> textures;
    for (const TextureFile& texture : PlayTextures)
    {
        textures.push_back(std::make_unique<sf::Texture>());
        textures.back()->loadFromFile(texture.file);
    }
    std::vector<std::unique_ptr<sf::SoundBuffer>> sounds;
    for (const char* file : PlaySounds)
    {
        sounds.push_back(std::make_unique<sf::SoundBuffer>());
        sounds.back()->loadFromFile(file);
    }
    sf::Font font;
    font.loadFromFile(MediaFiles::DigitalTech);
    return Seconds(Clock::now() - start).count();
}

void measureStartUp(int repetitions)
{
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    // Once each first, so that both find the files in the page cache.
    constructPlayScreen(window);
    decodeAlone();
    std::vector<double> construct;
    std::vector<double> decode;
    // Alternating which goes first, so neither always follows the other.
    for (int i = 0; i < repetitions; ++i)
    {
        if (i % 2 == 0)
            construct.push_back(constructPlayScreen(window));
        decode.push_back(decodeAlone());
        if (i % 2 == 1)
            construct.push_back(constructPlayScreen(window));
    }
    printFigure("startup.play_screen", median(construct) * 1e3, "ms");
    printFigure("startup.decode_alone", median(decode) * 1e3, "ms");
    printFigure("startup.ratio", median(construct) / median(decode), "play/decode");
    printFigure("startup.repetitions", repetitions, "runs");
}

void measureMedia()
{
    std::uintmax_t bytes = 0;
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("Media"))
    {
        if (!entry.is_regular_file())
            continue;
        bytes += entry.file_size();
        ++files;
    }
    std::uintmax_t playBytes = 0;
    for (const TextureFile& texture : PlayTextures)
        playBytes += std::filesystem::file_size(texture.file);
    for (const char* file : PlaySounds)
        playBytes += std::filesystem::file_size(file);
    playBytes += std::filesystem::file_size(MediaFiles::DigitalTech);
    printFigure("media.bytes", static_cast<double>(bytes), "bytes");
    printFigure("media.files", static_cast<double>(files), "files");
    printFigure("media.play_screen_bytes", static_cast<double>(playBytes), "bytes");
}

// Which OpenGL implementation draws the frames: the figures depend on it.
void printRenderer()
{
    sf::RenderWindow window(sf::VideoMode(64, 64, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    std::cout << "renderer: " << reinterpret_cast<const char*>(glGetString(GL_RENDERER)) << ", "
              << "OpenGL " << reinterpret_cast<const char*>(glGetString(GL_VERSION)) << std::endl;
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage); // every thread of the process
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Whether the ship fired in the frame just updated: its newest missile (its
// last child) has moved less than one frame's travel from where shots start.
bool firedInLastFrame(const SceneNode& ship, sf::Time dt)
{
    const auto& missiles = NodeInternals::childrenOf(ship);
    if (missiles.empty())
        return false;
    const sf::FloatRect body = NodeInternals::spriteOf(ship).getGlobalBounds();
    const float launchY = body.top - body.height / 2.f;
    return missiles.back()->getSpritePosition().y > launchY - 600.f * dt.asSeconds() - 1.f;
}

// Held fire on the real clock, the frame loop capped as --max-fps caps play:
// the ship's shots per second against its fire rate, for the starting rate, a
// raised one and the highest.
void measureCappedFire(double secondsPerRate, unsigned int cap)
{
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    ResourceCache resources;
    {
        QuietConsole quiet;
        resources.load(Textures::PlayerShip, MediaFiles::PlayerShip);
        resources.load(Textures::Beam, MediaFiles::Beam);
        resources.load(Textures::Galaxy, MediaFiles::Galaxy);
        resources.load(SoundBuffers::Laser, MediaFiles::Laser);
        resources.load(SoundBuffers::PowerUp, MediaFiles::PowerUp);
    }
    const sf::Sprite galaxy(resources.get(Textures::Galaxy));
    std::vector<double> frameRates;
    std::vector<double> cpuShares;
    for (const float rate : {2.f, 3.5f, 5.f})
    {
        Player::sFireRate = rate;
        SceneNode root;
        const GameClock gameClock;
        auto owned =
            std::make_unique<Player>(&window, &resources, sf::Vector2f(400.f, 727.f), gameClock);
        const Player& ship = *owned;
        root.attachChild(std::move(owned));
        root.handleInput(sf::Keyboard::Up, true);

        FrameCap frameCap(cap);
        sf::Clock clock;
        std::vector<double> shotTimes;
        std::size_t frames = 0;
        const double cpuStart = processCpuSeconds();
        const auto start = Clock::now();
        for (double now = 0.0; now < secondsPerRate; now = Seconds(Clock::now() - start).count())
        {
            const sf::Time dt = clock.restart();
            sf::Event event;
            while (window.pollEvent(event))
            {
            }
            root.update(dt);
            if (firedInLastFrame(ship, dt))
                shotTimes.push_back(now);
            root.handleInput(sf::Keyboard::Up, true);
            window.clear(sf::Color(0, 0, 0, 255));
            window.draw(galaxy);
            root.draw(window);
            window.display();
            frameCap.waitForNextFrame();
            ++frames;
        }
        const double wall = Seconds(Clock::now() - start).count();
        frameRates.push_back(static_cast<double>(frames) / wall);
        cpuShares.push_back((processCpuSeconds() - cpuStart) / wall * 100.0);
        const double shotsPerSecond = shotTimes.size() < 2
                                          ? 0.0
                                          : static_cast<double>(shotTimes.size() - 1) /
                                                (shotTimes.back() - shotTimes.front());
        std::ostringstream name;
        name << "fire.rate_" << rate;
        printFigure(name.str() + ".shots_per_second", shotsPerSecond, "shots/s");
        printFigure(name.str() + ".ratio", shotsPerSecond / rate, "measured/nominal");
        // A shot waits for the first frame that ends past its interval, so at a
        // steady cap a gap is the smallest whole number of frames lasting more
        // than the interval; frames that run long may end it a frame sooner.
        const double framesPerShot = std::floor(static_cast<double>(cap) / rate) + 1.0;
        printFigure(name.str() + ".as_written", cap / framesPerShot, "shots/s");
    }
    printFigure("fire.cap", cap, "frames/s");
    printFigure("fire.frames_per_second", median(frameRates), "frames/s");
    printFigure("fire.cpu_percent", median(cpuShares), "%");
    printFigure("fire.seconds_per_rate", secondsPerRate, "s");
}

// A recorded game played again on the real clock, its steps opened up to be timed.
class TimedReplay : public ReplayGame
{
public:
    TimedReplay(ScreenContext& context, ReplayReader replay)
        : ReplayGame(context, std::move(replay), Showing::Checked)
    {
    }

    using Game::effects;
    using Game::isPlaying;
    using Game::processEvents;
    using Game::render;
    using Game::resources;
    using Game::sceneGraph;
    using Game::status;
    using ReplayGame::step;
};

ReplayReader openReplay(const std::string& file)
{
    std::string problem;
    std::optional<ReplayReader> replay = ReplayFiles::load(file, problem);
    if (!replay)
    {
        std::cerr << problem << '\n';
        std::exit(1);
    }
    return std::move(*replay);
}

// Every frame of the replay played at once, nothing drawn: frames per second,
// and whether every check matched.
std::pair<double, bool> simulateReplay(const std::string& file)
{
    QuietConsole quiet;
    sf::RenderWindow unopened;
    Desktop desktop;
    Session session(unopened, desktop);
    ReplayGame game(session.context(), openReplay(file), ReplayGame::Showing::Checked);
    const auto start = Clock::now();
    const ReplayGame::Verdict& verdict = game.check();
    return {static_cast<double>(verdict.frames) / Seconds(Clock::now() - start).count(),
            !verdict.firstDiffering};
}

struct DrawnReplay
{
    RoundResult frames;
    double cpuSeconds;
    double wallSeconds;
};

// The replay played frame by frame in the window, each frame drawn as the play
// screen draws it, capped or as fast as it goes; what it drew is recorded
// between the frames when asked for.
DrawnReplay drawReplay(sf::RenderWindow& window, const std::string& file,
                       std::optional<unsigned int> cap, Recording* recording)
{
    QuietConsole quiet;
    Desktop desktop;
    Session session(window, desktop);
    TimedReplay game(session.context(), openReplay(file));
    FrameCap frameCap(cap);
    // The score board shows its banner for five seconds from each new level.
    int level = Level::getLevel();
    double bannerUntil = BannerSeconds;
    Seconds spent{0};
    std::size_t frames = 0;
    const double cpuStart = processCpuSeconds();
    const auto start = Clock::now();
    while (game.isPlaying())
    {
        const auto frameStart = Clock::now();
        game.processEvents();
        if (!game.step())
            break;
        game.render();
        spent += Clock::now() - frameStart;
        ++frames;
        const double played = game.verdict().played.asSeconds();
        if (Level::getLevel() != level)
        {
            level = Level::getLevel();
            bannerUntil = played + BannerSeconds;
        }
        if (recording)
            recordFrame(game, played, played < bannerUntil, *recording);
        frameCap.waitForNextFrame();
    }
    return {{static_cast<double>(frames) / spent.count(), frames},
            processCpuSeconds() - cpuStart,
            Seconds(Clock::now() - start).count()};
}

// A recorded game (bench.sh records one minute of the pilot's play) replayed:
// the simulation alone; drawn uncapped against a bare loop drawing the same
// frames; and capped, the CPU time of both.
void measureReplay(const std::string& file, int rounds, unsigned int cap)
{
    std::vector<double> simulated;
    bool matches = true;
    for (int round = 0; round < rounds; ++round)
    {
        const auto [framesPerSecond, matched] = simulateReplay(file);
        simulated.push_back(framesPerSecond);
        matches = matches && matched;
    }
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    std::vector<double> drawn;
    std::vector<double> bare;
    std::vector<double> ratios;
    // Every round draws the same frames: the first records them, and the rounds
    // take turns at which loop goes first, so that a machine growing busier or
    // calmer favours neither.
    Recording recording;
    for (int round = 0; round < rounds; ++round)
    {
        RoundResult replayed{};
        if (round % 2 == 1)
            replayed = bareRound(window, recording);
        const DrawnReplay played =
            drawReplay(window, file, std::nullopt, round == 0 ? &recording : nullptr);
        if (round % 2 == 0)
            replayed = bareRound(window, recording);
        drawn.push_back(played.frames.framesPerSecond);
        bare.push_back(replayed.framesPerSecond);
        ratios.push_back(played.frames.framesPerSecond / replayed.framesPerSecond);
    }
    const DrawnReplay capped = drawReplay(window, file, cap, nullptr);
    const double bareCpuStart = processCpuSeconds();
    const auto bareStart = Clock::now();
    bareRound(window, recording, cap);
    const double bareCpu = processCpuSeconds() - bareCpuStart;
    const double bareWall = Seconds(Clock::now() - bareStart).count();

    printFigure("replay.frames", static_cast<double>(recording.frameEnds.size()), "frames");
    printFigure("replay.seconds", recording.frameStarts.back(), "s");
    printFigure("replay.matches", matches ? 1.0 : 0.0, "yes/no");
    printFigure("replay.simulated_fps", median(simulated), "frames/s");
    printFigure("replay.drawn_fps", median(drawn), "frames/s");
    printFigure("replay.bare_fps", median(bare), "frames/s");
    printFigure("replay.drawn_ratio", median(ratios), "replay/bare");
    printFigure("replay.cap", cap, "frames/s");
    printFigure("replay.capped_cpu_percent", capped.cpuSeconds / capped.wallSeconds * 100.0, "%");
    printFigure("replay.bare_capped_cpu_percent", bareCpu / bareWall * 100.0, "%");
    printFigure("replay.cpu_ratio", capped.cpuSeconds / bareCpu, "replay/bare");
    printFigure("replay.rounds", rounds, "rounds");
}

double argumentOr(int argc, char** argv, int index, double fallback)
{
    return argc > index ? std::atof(argv[index]) : fallback;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "fps")
        measureFrameRate(argumentOr(argc, argv, 2, 5.0),
                         static_cast<int>(argumentOr(argc, argv, 3, 3)));
    else if (what == "startup")
        measureStartUp(static_cast<int>(argumentOr(argc, argv, 2, 15)));
    else if (what == "media")
        measureMedia();
    else if (what == "renderer")
        printRenderer();
    else if (what == "fire")
        measureCappedFire(argumentOr(argc, argv, 2, 20.0),
                          static_cast<unsigned int>(argumentOr(argc, argv, 3, 60)));
    else if (what == "replay" && argc > 2)
        measureReplay(argv[2], static_cast<int>(argumentOr(argc, argv, 3, 3)),
                      static_cast<unsigned int>(argumentOr(argc, argv, 4, 60)));
    else
    {
        std::cerr
            << "usage: vantorix_timing fps [seconds per round] [rounds] | startup "
               "[repetitions] | media | renderer | fire [seconds per rate] [cap] | replay FILE "
               "[rounds] [cap]\n";
        return 2;
    }
    return 0;
}
