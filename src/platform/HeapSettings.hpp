#pragma once

namespace HeapSettings
{
// Every screen decodes its multi-megabyte images again on each cycle. Once the
// first such buffer is freed, glibc raises its mmap threshold and later ones
// come from the heap, where they fragment it and the process's peak memory
// creeps up cycle after cycle. Holding the threshold keeps the peak flat.
void keepLargeBuffersOutOfTheHeap();
} // namespace HeapSettings
