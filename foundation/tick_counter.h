#pragma once
// The 32-bit millisecond tick counter that paces the race. It wraps after about 49.7 days.

#include <cstdint>
#include <functional>

namespace kestrova {

using TickSource = std::function<uint32_t()>;

// A monotonic count of milliseconds, truncated to 32 bits.
uint32_t RealTickCount();

// An empty source restores the real counter.
void SetTickSource(TickSource source);

uint32_t GetTickCount();

}  // namespace kestrova
