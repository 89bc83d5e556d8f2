// Runs menu -> play -> game-over cycles in one process, the way the entry
// point does, and reports resident memory after each cycle:
//   vantorix_cycles [cycles]
// The pointer rests on Play and the left button is clicked while the menu
// waits. This tool's sf::Clock runs 25 times faster than real time, so a game
// without input ends within seconds (an enemy reaches the wall or the ship is
// shot down) and the game-over screen's four seconds pass in a fraction of one.
#include "app/Level.hpp"
#include "app/ScreenSequence.hpp"
#include "gameplay/Command.hpp"
#include "platform/Desktop.hpp"
#include "platform/HeapSettings.hpp"
#include "session/Session.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

#include <X11/Xlib.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr sf::Int64 ClockSpeed = 25;
// Inside the menu's Play button.
const sf::Vector2i OnPlay(400, 550);
// Pointer readings (menu frames) between two clicks, should one get lost.
constexpr int ReadsPerClick = 100;

sf::Time fastNow()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return sf::microseconds(
        std::chrono::duration_cast<std::chrono::microseconds>(sinceStart).count() * ClockSpeed);
}

void sendClick(const sf::Window& window)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return;
    XEvent event{};
    event.xbutton.display = display;
    event.xbutton.window = window.getSystemHandle();
    event.xbutton.root = DefaultRootWindow(display);
    event.xbutton.time = CurrentTime;
    event.xbutton.same_screen = True;
    event.xbutton.x = OnPlay.x;
    event.xbutton.y = OnPlay.y;
    event.xbutton.button = Button1;
    for (const auto& [type, mask] :
         {std::pair(ButtonPress, ButtonPressMask), std::pair(ButtonRelease, ButtonReleaseMask)})
    {
        event.xbutton.type = type;
        XSendEvent(display, window.getSystemHandle(), True, mask, &event);
    }
    XFlush(display);
    XCloseDisplay(display);
}

struct Memory
{
    long residentKb = 0;
    long peakKb = 0;
    long heapInUseKb = 0; // what the program still holds, apart from the allocator's slack
};

Memory readMemory()
{
    Memory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
    {
        std::istringstream fields(line);
        std::string key;
        long kilobytes = 0;
        fields >> key >> kilobytes;
        if (key == "VmRSS:")
            memory.residentKb = kilobytes;
        else if (key == "VmHWM:")
            memory.peakKb = kilobytes;
    }
    const struct mallinfo2 heap = mallinfo2();
    // Small blocks in the arenas, large ones (images, textures) mapped on their own.
    memory.heapInUseKb = static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
    return memory;
}
} // namespace

// These definitions take the place of the library's at link time.
sf::Clock::Clock() : m_startTime(fastNow()) {}

sf::Time sf::Clock::getElapsedTime() const
{
    return fastNow() - m_startTime;
}

sf::Time sf::Clock::restart()
{
    const sf::Time now = fastNow();
    const sf::Time elapsed = now - m_startTime;
    m_startTime = now;
    return elapsed;
}

// Only the menu reads the pointer: it always finds it on Play, and every so
// many readings the button is clicked.
class ClickingDesktop : public Desktop
{
public:
    sf::Vector2i pointer(const sf::Window& window) const override
    {
        if (mReads++ % ReadsPerClick == 0)
            sendClick(window);
        return OnPlay;
    }

private:
    mutable int mReads = 0;
};

int main(int argc, char** argv)
{
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 50;
    HeapSettings::keepLargeBuffersOutOfTheHeap();
    std::srand(static_cast<unsigned int>(std::time(nullptr)));

    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    ClickingDesktop desktop;
    Session session(window, desktop);
    Command command(session.context().events);

    // The screens' loading lines would land among the figures.
    std::ostringstream loadingLines;
    std::streambuf* console = std::cout.rdbuf(loadingLines.rdbuf());
    std::vector<Memory> afterCycle;
    for (int cycle = 0; cycle < cycles && Command::isRunning(); ++cycle)
    {
        ScreenSequence::runCycle(session.context());
        afterCycle.push_back(readMemory());
        loadingLines.str({});
    }
    std::cout.rdbuf(console);

    for (std::size_t i = 0; i < afterCycle.size(); ++i)
        std::cout << "memory.after_cycle." << i + 1 << ' ' << afterCycle[i].residentKb << " kB "
                  << afterCycle[i].peakKb << " kB-peak " << afterCycle[i].heapInUseKb << " kB-heap"
                  << std::endl;
    if (afterCycle.empty())
        return 1;
    // The allocators' arenas fill during the first cycles; from the tenth on
    // the peak should hold still.
    const std::size_t settled = std::min<std::size_t>(10, afterCycle.size()) - 1;
    long heapLeast = afterCycle.back().heapInUseKb;
    long heapMost = heapLeast;
    for (std::size_t i = 1; i < afterCycle.size(); ++i)
    {
        heapLeast = std::min(heapLeast, afterCycle[i].heapInUseKb);
        heapMost = std::max(heapMost, afterCycle[i].heapInUseKb);
    }
    std::cout << "memory.cycles " << afterCycle.size() << " cycles\n"
              << "memory.settled_cycle " << settled + 1 << " cycle\n"
              << "memory.peak_first_kb " << afterCycle.front().peakKb << " kB\n"
              << "memory.peak_settled_kb " << afterCycle[settled].peakKb << " kB\n"
              << "memory.peak_last_kb " << afterCycle.back().peakKb << " kB\n"
              << "memory.heap_first_kb " << afterCycle.front().heapInUseKb << " kB\n"
              << "memory.heap_last_kb " << afterCycle.back().heapInUseKb << " kB\n"
              << "memory.heap_spread_kb " << heapMost - heapLeast << " kB" << std::endl;
    return 0;
}
