#pragma once

#include <SFML/System/Vector2.hpp>

#include <string>

// The game keeps its progress in process-wide statics that outlive every
// screen, and so every test case of a test program. A fixture that changes
// them holds a SharedState::Restorer; after each case every test program
// checks that the case left them as it found them (and puts them back, so
// that one careless case does not fail the cases after it).
namespace SharedState
{
struct Values
{
    int level = 1;
    bool bossDefeated = false;
    int shipCount = 1;
    float fireRate = 2.f;
    sf::Vector2f speed;
    int killCount = 0;
    bool running = true;
};

Values current();
void restore(const Values& values);

// What differs, as "level 3 (was 1), ..."; empty when nothing does.
std::string differences(const Values& before, const Values& after);

class Restorer
{
public:
    Restorer() : mSaved(current()) {}
    ~Restorer() { restore(mSaved); }

    Restorer(const Restorer&) = delete;
    Restorer& operator=(const Restorer&) = delete;

private:
    Values mSaved;
};
} // namespace SharedState
