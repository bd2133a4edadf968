#pragma once
// Counts heap allocations: the program that links CountingAllocator.cpp replaces the global
// operator new and delete (every form), so allocations anywhere in the process are seen, the
// simulated host's library included.

#include <cstddef>

namespace Quorvel::Testing {

// Allocations through operator new since the program started.
std::size_t AllocationCount();

} // namespace Quorvel::Testing
