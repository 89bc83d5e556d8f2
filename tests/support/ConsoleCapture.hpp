#pragma once

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

// Takes the game's standard output (its media-loading lines) for as long as
// it lives, and gives the console back however the test ends.
class ConsoleCapture
{
public:
    ConsoleCapture() : mPrevious(std::cout.rdbuf(mText.rdbuf())) {}
    ~ConsoleCapture() { std::cout.rdbuf(mPrevious); }

    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    std::string text() const { return mText.str(); }
    std::vector<std::string> lines() const
    {
        std::vector<std::string> lines;
        std::istringstream in(mText.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    void clear() { mText.str(""); }

private:
    std::ostringstream mText;
    std::streambuf* mPrevious;
};
