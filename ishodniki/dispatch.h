// Which kernel family the word loops use. The widest one the CPU runs is chosen at start-up;
// tests and benchmarks may force a narrower one.
#ifndef ZELMAR_FLAGROW_DISPATCH_H
#define ZELMAR_FLAGROW_DISPATCH_H

#include <cstddef>
#include <span>

#include "kernels.h"

namespace Quandrelissa::detail {

/// Every family this build has, narrowest first: portable, then avx2 and avx512 on x86-64.
/// An index into this list names a family for tests, benchmarks and the fuzzer.
std::span<const Kernels* const> kernelFamilies() noexcept;
/// True when this CPU (and its OS) offers every feature `family` needs.
bool runsHere(const Kernels& family) noexcept;
/// The index of the widest family this CPU runs.
std::size_t bestFamily() noexcept;
/// Uses family `index`, or the widest one below it that this CPU runs. Not thread-safe: call it
/// before use.
void useFamily(std::size_t index) noexcept;

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_DISPATCH_H
