#include "app/ReplayCheck.hpp"
#include "app/ScreenSequence.hpp"
#include "config/CommandLine.hpp"
#include "config/Settings.hpp"
#include "gameplay/Command.hpp"
#include "language/Translation.hpp"
#include "platform/Desktop.hpp"
#include "platform/DisplayCheck.hpp"
#include "platform/HeapSettings.hpp"
#include "replay/ReplayFiles.hpp"
#include "resources/MediaAudit.hpp"
#include "resources/MediaVerdicts.hpp"
#include "session/Session.hpp"
#include "sound/AudioDevice.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdlib>
#include <ctime>
#include <iostream>

namespace
{
int reportNoWindow()
{
    std::cerr << "Vantorix: the game window could not be opened" << std::endl;
    return 1;
}

// What was asked for is only done once it is written: standard output may be a
// full disk or a closed pipe.
int written(int status)
{
    if (std::cout.flush())
        return status;
    std::cerr << "vantorix: standard output cannot be written" << std::endl;
    return 1;
}

int play(const Options& options)
{
    srand(static_cast<unsigned int>(time(nullptr)));

    // A replay to watch first is read before anything opens.
    std::optional<ReplayReader> watchFirst;
    if (options.replay)
    {
        std::string problem;
        watchFirst = ReplayFiles::load(*options.replay, problem);
        if (!watchFirst)
        {
            std::cerr << problem << std::endl;
            return ReplayCheck::Unreadable;
        }
    }

    if (!DisplayCheck::isDisplayAvailable())
        return reportNoWindow();
    AudioDevice::reportEachFailureOnce(std::cerr);
    Settings settings;
    settings.load(std::cerr);
    // The player's language holds for the screens; --help speaks the system's.
    Translation::choose(settings.values().language);
    sf::RenderWindow window;
    Desktop desktop;
    Session session(window, desktop, options, &settings);
    session.openWindow();
    // Every screen would find a window that never opened closed at once, and
    // nothing would ever stop the cycle.
    if (!window.isOpen())
        return reportNoWindow();

    ScreenContext& context = session.context();
    context.bestLevel.load(std::cerr);
    context.relaxedBestLevel.load(std::cerr);
    Command command(context.events);
    bool playAgain = false;
    if (watchFirst)
        playAgain = ScreenSequence::runCycle(context, false, std::move(watchFirst));
    while (Command::isRunning())
        playAgain = ScreenSequence::runCycle(context, playAgain);
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    HeapSettings::keepLargeBuffersOutOfTheHeap();
    Translation::start(Translation::catalogueFolder());

    const CommandLine::Result commandLine = CommandLine::parse(argc, argv);
    if (!commandLine.isValid())
    {
        std::cerr << "vantorix: " << commandLine.error << '\n' << CommandLine::usage();
        return CommandLine::UsageError;
    }

    const Options& options = commandLine.options;
    switch (options.action)
    {
    case Options::Action::ShowHelp:
        std::cout << CommandLine::usage();
        return written(0);
    case Options::Action::ShowVersion:
        std::cout << CommandLine::version() << '\n';
        return written(0);
    case Options::Action::CheckMedia:
        MediaVerdicts::startJudging();
        return written(MediaAudit::checkAll(std::cout) ? 0 : 1);
    case Options::Action::VerifyReplay:
        return written(ReplayCheck::verify(*options.replay, std::cout, std::cerr));
    case Options::Action::Play:
        break;
    }
    MediaVerdicts::startJudging();
    return play(options);
}
