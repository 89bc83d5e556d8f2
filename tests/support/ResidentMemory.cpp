#include "support/ResidentMemory.hpp"

#include <fstream>
#include <unistd.h>

long ResidentMemory::currentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long totalPages = 0;
    long residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * (::sysconf(_SC_PAGESIZE) / 1024);
}
