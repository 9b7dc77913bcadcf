// Allocation failure on demand, for the memory-exception tests.
#pragma once
#include <cstddef>

namespace frametest {

// The next operator new asking for exactly nSize bytes throws std::bad_alloc (once).
void FailNextAllocationOf(std::size_t nSize);

} // namespace frametest
