// The heap an operation holds at its peak, counted by the replaced global operator new and
// delete while a watch is on, so that a row can tell how many arrays were alive at once.
#ifndef ZELMAR_FLAGROW_BENCH_HEAP_H
#define ZELMAR_FLAGROW_BENCH_HEAP_H

#include <cstddef>

namespace bench::heap {

/// Starts counting: from here the balance of bytes taken and given back starts at 0.
void startWatch() noexcept;
/// Stops counting and returns the highest balance reached since startWatch().
std::size_t stopWatch() noexcept;

}  // namespace bench::heap

#endif  // ZELMAR_FLAGROW_BENCH_HEAP_H
