// Plain element-wise word loops. Each kernel file includes this header and so compiles
// them with its own instruction set: the compiler widens them to that set's registers.
// Internal linkage keeps the copies of different files apart.
#ifndef ZELMAR_FLAGROW_WORD_LOOPS_H
#define ZELMAR_FLAGROW_WORD_LOOPS_H

#include <cstddef>
#include <cstdint>

#include "kernels.h"

namespace Quandrelissa::detail {
namespace {

struct AndOp {
    std::uint32_t operator()(std::uint32_t a, std::uint32_t b) const noexcept { return a & b; }
};
struct OrOp {
    std::uint32_t operator()(std::uint32_t a, std::uint32_t b) const noexcept { return a | b; }
};
struct XorOp {
    std::uint32_t operator()(std::uint32_t a, std::uint32_t b) const noexcept { return a ^ b; }
};
struct AndNotOp {
    std::uint32_t operator()(std::uint32_t a, std::uint32_t b) const noexcept { return a & ~b; }
};

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
