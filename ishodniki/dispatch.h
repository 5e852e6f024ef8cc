// Which instruction set the word kernels use. The widest one the CPU offers is
// chosen at start-up; tests and benchmarks may force a narrower one.
#ifndef ZELMAR_FLAGROW_DISPATCH_H
#define ZELMAR_FLAGROW_DISPATCH_H

namespace Quandrelissa::detail {

/// Kernel families, narrowest first.
enum class Isa : int { portable = 0, avx2 = 1, avx512 = 2 };

/// The widest family this CPU (and this build) supports.
Isa bestIsa() noexcept;
/// The family in use now.
Isa activeIsa() noexcept;
/// Uses `isa`, or the widest supported family below it. Not thread-safe: call it before use.
void useIsa(Isa isa) noexcept;

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_DISPATCH_H
