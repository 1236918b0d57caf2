// How the process holds its memory while it works with long texts.
#pragma once

namespace tools {

// A long note passes through buffers of tens of megabytes: the editor's text, the text read
// back for saving, the database engine's copy. This has each block of 4 MiB or more given
// back to the system as soon as it is freed, so that one long note does not leave its size
// behind in the process. Called once, before anything is allocated in earnest.
void ReturnLargeBlocksWhenFreed();

} // namespace tools
