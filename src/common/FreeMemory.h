#pragma once

// Hands memory the program has freed back to the system. After a large file is taken in,
// the allocator keeps tens of megabytes of freed slices and buffers for reuse; the system
// sees them as ours until they are given back. Does nothing where the allocator cannot.
namespace FreeMemory {
void GiveBack();
} // namespace FreeMemory
