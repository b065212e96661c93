#pragma once

#include <optional>

namespace soak {

// Hands the allocator's free pages back to the system, so that resident
// memory counts what is in use rather than what the heap keeps cached.
void ReleaseFreeHeap();

// The process's resident memory in KiB (VmRSS), where the system reports it.
std::optional<long long> ResidentKiB();

}  // namespace soak
