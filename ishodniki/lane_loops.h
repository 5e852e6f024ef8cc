// The loops of the wide kernel files that differ only in the register, written once over it.
// Each file includes this header with its own Lanes type and compiles it for its instruction set.
#ifndef ZELMAR_FLAGROW_LANE_LOOPS_H
#define ZELMAR_FLAGROW_LANE_LOOPS_H

#include <cstddef>
#include <cstdint>

#include "kernels.h"

namespace Quandrelissa::detail {
namespace {

// Lanes supplies: Reg, kWords (words per register), load, store, shiftRight and shiftLeft (by a
// count made by count()), merge (bitwise or) and any (whether a register holds a set bit).

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

// Loads run ahead of the stores (or behind them, going down), so a destination that overlaps
// its source on the side the contract allows never clobbers a word still to be read.
template <class Lanes>
void funnelDownWith(std::uint32_t* dst, const std::uint32_t* src, std::size_t n,
                    unsigned b) noexcept {
    const auto right = Lanes::count(b);
    const auto left = Lanes::count(32 - b);
    std::size_t i = 0;
    for (; i + Lanes::kWords <= n; i += Lanes::kWords)
        Lanes::store(dst + i, Lanes::merge(Lanes::shiftRight(Lanes::load(src + i), right),
                                           Lanes::shiftLeft(Lanes::load(src + i + 1), left)));
    portableKernels.funnelDown(dst + i, src + i, n - i, b);
}

template <class Lanes>
void funnelUpWith(std::uint32_t* dst, const std::uint32_t* src, std::size_t n,
                  unsigned b) noexcept {
    const auto left = Lanes::count(b);
    const auto right = Lanes::count(32 - b);
    std::size_t i = n;
    for (; i >= Lanes::kWords; i -= Lanes::kWords) {
        const std::size_t at = i - Lanes::kWords;
        Lanes::store(dst + at, Lanes::merge(Lanes::shiftLeft(Lanes::load(src + at), left),
                                            Lanes::shiftRight(Lanes::load(src + at - 1), right)));
    }
    portableKernels.funnelUp(dst, src, i, b);
}

}  // namespace
}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_LANE_LOOPS_H
