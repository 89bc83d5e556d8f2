#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// Runs a piece of work that may crash, hang or balloon (decoding a file from
// outside the game) in a short-lived child process, under a limit of memory,
// of processor time and of real time, and tells how it ended. The child is a copy of the caller
// with only the calling thread: it runs the work and ends at once, without exit handlers, flushing
// nothing and touching none of the window's or the sound device's state, whose threads it does not
// have.
namespace BoundedChild
{
struct Limits
{
    std::uint64_t memoryBytes; // beyond what the process holds when the child starts
    // What the work costs, whatever else the machine runs; whole seconds.
    std::chrono::seconds processorTime;
    // A child that gets too little of the processor in this time, or waits on
    // something, is stopped too, but it says nothing about the work.
    std::chrono::milliseconds realTime;
};

enum class End
{
    Passed,      // the work said yes
    Refused,     // the work said no
    Crashed,     // a signal, or a sanitizer's report
    OutOfMemory, // an allocation past the limit
    OutOfTime,   // on the processor for the whole time allowed
    Stalled,     // out of real time before its processor time: starved or waiting
    NotStarted,  // no child could be made
};

struct Outcome
{
    End end = End::NotStarted;
    int signal = 0; // that ended a crashed child
    std::uint64_t peakResidentBytes = 0;
};

Outcome run(const std::function<bool()>& work, const Limits& limits);

// True when how the child ended says something about the work itself, not
// about how busy the machine was or whether a process could be made.
bool isAboutTheWork(End end);
} // namespace BoundedChild
