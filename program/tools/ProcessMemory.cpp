#include "tools/ProcessMemory.h"

#include <cstdlib> // says whether the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tools {

void ReturnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    // A fixed threshold: glibc otherwise raises it to the size of each large block freed (up
    // to 32 MiB), and blocks under it come from the heap, which gives back only its top.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
#endif
}

} // namespace tools
