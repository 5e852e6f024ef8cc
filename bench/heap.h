// Live heap bytes of this process, counted by the replaced global operator new and delete, and
// their high-water mark, so that a row can tell how many arrays an operation held at once.
#ifndef ZELMAR_FLAGROW_BENCH_HEAP_H
#define ZELMAR_FLAGROW_BENCH_HEAP_H

#include <cstddef>

namespace bench::heap {

/// Bytes allocated through operator new and not yet released.
std::size_t live() noexcept;
/// The largest value live() has had since the last restartPeak().
std::size_t peak() noexcept;
/// Starts a new high-water mark at the current live bytes.
void restartPeak() noexcept;

}  // namespace bench::heap

#endif  // ZELMAR_FLAGROW_BENCH_HEAP_H
