#pragma once

// The process's resident set right now, in KiB (from /proc/self/statm).
namespace ResidentMemory
{
long currentKiB();
}
