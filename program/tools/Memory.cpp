#include "tools/Memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace tools {

void ReturnLargeBlocksWhenFreed() {
#if defined(M_MMAP_THRESHOLD)
    // Left alone, the C library raises its threshold for blocks of their own to the largest
    // block freed so far; blocks below it then come from the shared heap and stay with the
    // process when freed. Fixing the threshold keeps large blocks apart, so freeing them
    // returns them. Blocks of this size are few, so mapping each of its own costs nothing
    // that shows.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
#endif
}

} // namespace tools
