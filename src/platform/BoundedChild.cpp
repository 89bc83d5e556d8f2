#include "platform/BoundedChild.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#endif

namespace
{
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int RefusedStatus = 3;
constexpr int OutOfMemoryStatus = 4;

// AddressSanitizer's shadow takes terabytes of address space and valgrind keeps
// the address space to itself: under either, an address-space cap would stop
// the child before it starts. There the parent watches the child's resident
// size instead, every few milliseconds, and kills it past the limit.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif
constexpr milliseconds ResidentWatch(5);

bool underValgrind()
{
#if __has_include(<valgrind/valgrind.h>)
    return RUNNING_ON_VALGRIND != 0;
#else
    return false;
#endif
}

// Valgrind runs code some twenty times slower.
constexpr int ValgrindSlowdown = 20;

// The pages of /proc/<pid>/statm's field: 0 the whole address space, 1 resident.
// Read with plain calls: the child reads it too.
std::uint64_t statmBytes(pid_t pid, int field)
{
    char path[64];
    std::snprintf(path, sizeof path, pid == 0 ? "/proc/self/statm" : "/proc/%d/statm",
                  static_cast<int>(pid));
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[128] = {};
    const ssize_t length = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    unsigned long long pages[2] = {0, 0};
    if (length <= 0 || std::sscanf(text, "%llu %llu", &pages[0], &pages[1]) != 2)
        return 0;
    return pages[field] * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

void limit(int resource, rlim_t value)
{
    const rlimit bound{value, value};
    ::setrlimit(resource, &bound);
}

[[noreturn]] void runChild(const std::function<bool()>& work, const BoundedChild::Limits& limits,
                           bool capAddressSpace)
{
    // A decoder that crashes leaves no core dump behind, neither as a file
    // nor through the system's crash collector.
    limit(RLIMIT_CORE, 0);
    ::prctl(PR_SET_DUMPABLE, 0);
    if (capAddressSpace)
        limit(RLIMIT_AS, statmBytes(0, 0) + limits.memoryBytes);
    // SIGXCPU at the limit, SIGKILL a second later should that be ignored.
    const auto seconds = static_cast<rlim_t>(limits.processorTime.count());
    const rlimit processor{seconds, seconds + 1};
    ::setrlimit(RLIMIT_CPU, &processor);
    std::set_new_handler([] { ::_exit(OutOfMemoryStatus); });
    bool passed = false;
    try
    {
        passed = work();
    }
    catch (...)
    {
    }
    ::_exit(passed ? 0 : RefusedStatus);
}

milliseconds processorTime(const rusage& usage)
{
    const auto of = [](const timeval& time)
    { return milliseconds(time.tv_sec * 1000 + time.tv_usec / 1000); };
    return of(usage.ru_utime) + of(usage.ru_stime);
}

BoundedChild::End endOf(int status, const rusage& usage, const BoundedChild::Limits& limits)
{
    using BoundedChild::End;
    const bool usedItsTime = processorTime(usage) >= limits.processorTime;
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGXCPU || (WTERMSIG(status) == SIGKILL && usedItsTime)
                   ? End::OutOfTime
                   : End::Crashed;
    switch (WEXITSTATUS(status))
    {
    case 0:
        return End::Passed;
    case RefusedStatus:
        return End::Refused;
    case OutOfMemoryStatus:
        return End::OutOfMemory;
    default: // a sanitizer's report ends the child with a status of its own
        return End::Crashed;
    }
}

// Waits until the child ends or the wait is over; true when it ended.
bool awaitEnd(pid_t child, int pidfd, milliseconds wait, int& status, rusage& usage)
{
    if (pidfd >= 0)
    {
        pollfd ended{pidfd, POLLIN, 0};
        ::poll(&ended, 1, static_cast<int>(wait.count()));
    }
    else
    {
        // Kernels before 5.3 have no process descriptors: look again each millisecond.
        const timespec pause{0, 1000000};
        ::nanosleep(&pause, nullptr);
    }
    return ::wait4(child, &status, WNOHANG, &usage) == child;
}

void killAndReap(pid_t child, int& status, rusage& usage)
{
    ::kill(child, SIGKILL);
    while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR)
    {
    }
}
} // namespace

BoundedChild::Outcome BoundedChild::run(const std::function<bool()>& work, const Limits& limits)
{
    const bool watchResident = Sanitized || underValgrind();
    const int slowdown = underValgrind() ? ValgrindSlowdown : 1;
    const Limits allowed{limits.memoryBytes, limits.processorTime * slowdown,
                         limits.realTime * slowdown};
    const std::uint64_t residentAtStart = watchResident ? statmBytes(0, 1) : 0;

    Outcome outcome;
    const pid_t child = ::fork();
    if (child < 0)
        return outcome;
    if (child == 0)
        runChild(work, allowed, !watchResident);

    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    const Clock::time_point deadline = Clock::now() + allowed.realTime;
    int status = 0;
    rusage usage{};
    while (true)
    {
        const auto left = std::chrono::ceil<milliseconds>(deadline - Clock::now());
        if (left <= milliseconds(0))
        {
            killAndReap(child, status, usage);
            outcome.end = End::Stalled;
            break;
        }
        if (awaitEnd(child, pidfd, watchResident ? std::min(left, ResidentWatch) : left, status,
                     usage))
        {
            outcome.end = endOf(status, usage, allowed);
            outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
            break;
        }
        if (watchResident && statmBytes(child, 1) > residentAtStart + limits.memoryBytes)
        {
            killAndReap(child, status, usage);
            outcome.end = End::OutOfMemory;
            break;
        }
    }
    if (pidfd >= 0)
        ::close(pidfd);
    outcome.peakResidentBytes = static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
    return outcome;
}

bool BoundedChild::isAboutTheWork(End end)
{
    return end != End::Stalled && end != End::NotStarted;
}
