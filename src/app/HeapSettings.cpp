#include "app/HeapSettings.hpp"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void HeapSettings::keepLargeBuffersOutOfTheHeap()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
