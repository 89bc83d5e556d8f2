#include "support/SharedState.hpp"

#include "actors/Player.hpp"
#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "gameplay/Command.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>

namespace
{
// The game can clear the running flag but never sets it again. An explicit
// instantiation may name a private member, so this template hands out the
// flag's address without widening Command's interface.
struct RunningFlag
{
    friend bool* addressOf(RunningFlag);
};

template <bool* Flag> struct RunningFlagAccess
{
    friend bool* addressOf(RunningFlag) { return Flag; }
};
template struct RunningFlagAccess<&Command::sRunning>;

bool& runningFlag()
{
    return *addressOf(RunningFlag{});
}

std::ostream& operator<<(std::ostream& out, const sf::Vector2f& v)
{
    return out << '(' << v.x << ", " << v.y << ')';
}

template <typename Value>
void note(std::ostringstream& out, const char* name, const Value& before, const Value& after)
{
    if (before == after)
        return;
    if (out.tellp() > 0)
        out << ", ";
    out << name << ' ' << after << " (was " << before << ')';
}

// Checks after every case of the test program that the game's statics, the
// working directory and the console are as the case found them.
class SharedStateCheck : public ::testing::EmptyTestEventListener
{
public:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        mValues = SharedState::current();
        mConsole = std::cout.rdbuf();
        mFolder = std::filesystem::current_path();
    }

    // Runs before the result is printed (end events go to listeners in reverse
    // order), so a failure here counts against the case that left the change.
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        std::ostringstream changed;
        changed << SharedState::differences(mValues, SharedState::current());
        if (std::cout.rdbuf() != mConsole)
            changed << (changed.tellp() > 0 ? ", " : "") << "standard output still captured";
        if (std::filesystem::current_path() != mFolder)
            changed << (changed.tellp() > 0 ? ", " : "") << "working directory "
                    << std::filesystem::current_path();
        if (changed.tellp() == 0)
            return;
        ADD_FAILURE() << "the case left shared state changed: " << changed.str()
                      << ". Restore it in the fixture (SharedState::Restorer, "
                         "ScopedWorkingDirectory, ConsoleCapture).";
        SharedState::restore(mValues);
        std::cout.rdbuf(mConsole);
        std::filesystem::current_path(mFolder);
    }

private:
    SharedState::Values mValues;
    std::streambuf* mConsole = nullptr;
    std::filesystem::path mFolder;
};

// Registered before main runs, in every executable that links the test support.
const bool sCheckRegistered = []
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new SharedStateCheck);
    return true;
}();
} // namespace

SharedState::Values SharedState::current()
{
    Values values;
    values.level = Level::getLevel();
    values.bossDefeated = Level().isBossDefeated();
    values.shipCount = Player::sShipCount;
    values.fireRate = Player::sFireRate;
    values.speed = Player::sSpeed;
    values.killCount = PowerUpDropper::sKillCount;
    values.running = Command::isRunning();
    return values;
}

void SharedState::restore(const Values& values)
{
    Level().resetLevel();
    while (Level::getLevel() < values.level)
        Level::nextLevel();
    if (Level().isBossDefeated() != values.bossDefeated)
        Level::toggleBossDefeated();
    Player::sShipCount = values.shipCount;
    Player::sFireRate = values.fireRate;
    Player::sSpeed = values.speed;
    PowerUpDropper::sKillCount = values.killCount;
    runningFlag() = values.running;
}

std::string SharedState::differences(const Values& before, const Values& after)
{
    std::ostringstream out;
    note(out, "level", before.level, after.level);
    note(out, "boss defeated", before.bossDefeated, after.bossDefeated);
    note(out, "ship count", before.shipCount, after.shipCount);
    note(out, "fire rate", before.fireRate, after.fireRate);
    note(out, "ship speed", before.speed, after.speed);
    note(out, "kill count", before.killCount, after.killCount);
    note(out, "running", before.running, after.running);
    return out.str();
}
