// Plain element-wise word loops. Each kernel file includes this header and so compiles
// them with its own instruction set: the compiler widens them to that set's registers.
// Internal linkage keeps the copies of different files apart.
#ifndef ZELMAR_FLAGROW_WORD_LOOPS_H
#define ZELMAR_FLAGROW_WORD_LOOPS_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "ZELMAR_FLAGROW.h"
#include "kernels.h"

namespace Quandrelissa::detail {
namespace {

struct AndOp {
    template <class W>
    W operator()(W a, W b) const noexcept {
        return a & b;
    }
};
struct OrOp {
    template <class W>
    W operator()(W a, W b) const noexcept {
        return a | b;
    }
};
struct XorOp {
    template <class W>
    W operator()(W a, W b) const noexcept {
        return a ^ b;
    }
};
struct AndNotOp {
    template <class W>
    W operator()(W a, W b) const noexcept {
        return a & ~b;
    }
};

// The operations take any width: a 32-bit word, two of them as a 64-bit one, or a register.

// The in-place loop is kept apart: with dst == a the compiler's run-time overlap test of the
// three-pointer loop would fail and fall back to one word per step.
template <class Op>
void combineWords(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                  std::size_t n) noexcept {
    const Op op;
    if (dst == a) {
        for (std::size_t i = 0; i < n; ++i) dst[i] = op(dst[i], b[i]);
    } else {
        for (std::size_t i = 0; i < n; ++i) dst[i] = op(a[i], b[i]);
    }
}

// The set bits of op(a[i], b[i]), two words a step as one 64-bit word; the four sums keep the
// counts from waiting on one another. Each bitwise operation commutes with the memory order of the
// two words, so the pair needs no particular byte order.
template <class Op>
std::uint64_t countCombined(const std::uint32_t* a, const std::uint32_t* b,
                            std::size_t n) noexcept {
    const Op op;
    const auto pair = [](const std::uint32_t* p) {
        std::uint64_t x = 0;
        std::memcpy(&x, p, sizeof x);
        return x;
    };
    std::uint64_t sum[4] = {};
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        for (std::size_t k = 0; k < 4; ++k)
            sum[k] += popcount64(op(pair(a + i + 2 * k), pair(b + i + 2 * k)));
    for (; i + 2 <= n; i += 2) sum[0] += popcount64(op(pair(a + i), pair(b + i)));
    if (i < n) sum[1] += popcount64(op(a[i], b[i]));
    return sum[0] + sum[1] + sum[2] + sum[3];
}

void notWords(std::uint32_t* dst, const std::uint32_t* src, std::size_t n) noexcept {
    if (dst == src) {
        for (std::size_t i = 0; i < n; ++i) dst[i] = ~dst[i];
    } else {
        for (std::size_t i = 0; i < n; ++i) dst[i] = ~src[i];
    }
}

}  // namespace
}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_WORD_LOOPS_H
