// The loops of the wide kernel files that differ only in the register, written once over it.
// Each file includes this header with its own Lanes type and compiles it for its instruction set.
#ifndef ZELMAR_FLAGROW_LANE_LOOPS_H
#define ZELMAR_FLAGROW_LANE_LOOPS_H

#include <cstddef>
#include <cstdint>

#include "kernels.h"

namespace Quandrelissa::detail {
namespace {

// Lanes supplies: Reg, kWords (words per register), load, merge (bitwise or) and any (whether a
// register holds a set bit).

template <class Lanes>
std::size_t findNonZeroWith(const std::uint32_t* w, std::size_t n) noexcept {
    // Four registers per test: one branch per cache line or two instead of one per register.
    constexpr std::size_t kStep = 4 * Lanes::kWords;
    std::size_t i = 0;
    for (; i + kStep <= n; i += kStep) {
        const auto any =
            Lanes::merge(Lanes::merge(Lanes::load(w + i), Lanes::load(w + i + Lanes::kWords)),
                         Lanes::merge(Lanes::load(w + i + 2 * Lanes::kWords),
                                      Lanes::load(w + i + 3 * Lanes::kWords)));
        if (Lanes::any(any)) break;
    }
    return i + portableKernels.findNonZero(w + i, n - i);
}

}  // namespace
}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_LANE_LOOPS_H
