// Counts the bytes the program holds on the heap, so benchmarks can report their peak.
#pragma once

#include <cstddef>

namespace mp3::bench {

std::size_t heapInUse() noexcept;
std::size_t heapPeak() noexcept;
// Starts a new peak from what is in use now.
void resetHeapPeak() noexcept;

}  // namespace mp3::bench
