// Compiler barriers for the timed loops. They stand in for benchmark::DoNotOptimize, whose
// read-write form GCC can see through at -O2 with the harness release this project builds on.
#ifndef ZELMAR_FLAGROW_BENCH_BARRIER_H
#define ZELMAR_FLAGROW_BENCH_BARRIER_H

#include <type_traits>

namespace bench {

/// From here on the compiler must assume that everything reachable from `object` was read and
/// may have changed, so a loop can neither hoist work on it nor drop stores into it.
inline void touch(const void* object) { asm volatile("" : : "r"(object) : "memory"); }

/// The compiler must have computed `value` by this point.
template <class T>
requires std::is_scalar_v<T>
inline void keep(T value) { asm volatile("" : : "r"(value)); }

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_BARRIER_H
