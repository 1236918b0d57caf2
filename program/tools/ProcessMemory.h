// How the process takes memory from the system: set once, before the first window.
#pragma once

namespace tools {

// Large blocks (a long note's text in the editor, a printed report's rows, a list's stored
// values) are taken from the system one by one and given back as soon as they are freed.
// Left to itself the allocator keeps such blocks in its heap once one has been freed, and the
// program then holds the high-water mark of every long note shown, saved and printed.
void ReturnLargeBlocksWhenFreed();

} // namespace tools
