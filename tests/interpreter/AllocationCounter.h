#pragma once
// Counts the allocations the global operator new makes while counting is on. The replacement
// operators live in a file of their own, so that no allocation site sees them inlined.

namespace vl::testing {

void StartCountingAllocations();
// Stops counting and answers how many allocations were made since the start.
int StopCountingAllocations();

}  // namespace vl::testing
