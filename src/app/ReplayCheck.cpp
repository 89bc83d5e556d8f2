#include "app/ReplayCheck.hpp"

#include "config/CommandLine.hpp"
#include "config/ShownText.hpp"
#include "gameplay/ReplayGame.hpp"
#include "platform/Desktop.hpp"
#include "platform/DisplayCheck.hpp"
#include "replay/ReplayFiles.hpp"
#include "session/Session.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <iomanip>

ReplayCheck::Status ReplayCheck::verify(const std::string& file, std::ostream& out,
                                        std::ostream& problems)
{
    std::string problem;
    std::optional<ReplayReader> replay = ReplayFiles::load(file, problem);
    if (!replay)
    {
        problems << problem << std::endl;
        return Unreadable;
    }
    if (!DisplayCheck::isDisplayAvailable())
    {
        problems << "vantorix: checking a replay needs a display, as the game does" << std::endl;
        return NoDisplay;
    }
    const std::size_t frames = replay->frameCount();
    const std::string recordedBy = replay->header().gameVersion;
    // No window is opened and nothing is heard: the frames are only played.
    sf::RenderWindow window;
    Desktop desktop;
    Options quiet;
    quiet.muted = true;
    Session session(window, desktop, quiet);
    ReplayGame game(session.context(), std::move(*replay), ReplayGame::Showing::Checked);
    const ReplayGame::Verdict& verdict = game.check();

    out << ShownText::escaped(file) << ": " << std::fixed << std::setprecision(1);
    if (verdict.firstDiffering)
        out << "frame " << *verdict.firstDiffering << " of " << frames << " ("
            << verdict.played.asSeconds() << " s into the game) differs from the recording"
            << (recordedBy == CommandLine::version()
                    ? std::string()
                    : ", which " + ShownText::escaped(recordedBy) + " made")
            << std::endl;
    else
        out << frames << " frames, " << verdict.played.asSeconds()
            << " s of play: every check matches" << std::endl;
    return verdict.firstDiffering ? Differs : Matches;
}
