#pragma once

#include "config/Options.hpp"

#include <string>
#include <vector>

// The game's command line, read in one place into one Options value.
class CommandLine
{
public:
    struct Result
    {
        Options options;
        std::string error; // one line naming the offending argument; empty when all were understood

        bool isValid() const { return error.empty(); }
    };

    static constexpr int UsageError = 2;

    // The arguments without the program name.
    static Result parse(const std::vector<std::string>& arguments);
    static Result parse(int argc, const char* const argv[]);

    static std::string usage();
    static std::string version();
};
