// Shifts: the word layer's shift with the kernels' funnel, memmove for a move by whole words and
// memset for the vacated words.
#include <cstring>

#include "ZELMAR_FLAGROW.h"
#include "kernels.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

using detail::kernels;
using detail::Word;

namespace {

// The kernels shift by 1 .. 31 bits; by 0 the funnel is a block move.
struct KernelLoops {
    static void funnelDown(Word* dst, const Word* src, std::size_t n, unsigned b) noexcept {
        if (b == 0) {
            std::memmove(dst, src, n * sizeof(Word));
            return;
        }
        kernels().funnelDown(dst, src, n, b);
    }
    static void funnelUp(Word* dst, const Word* src, std::size_t n, unsigned b) noexcept {
        if (b == 0) {
            std::memmove(dst, src, n * sizeof(Word));
            return;
        }
        kernels().funnelUp(dst, src, n, b);
    }
    static void zero(Word* dst, std::size_t n) noexcept { std::memset(dst, 0, n * sizeof(Word)); }
};

// A shift by n of a vector of `bits` bits into dst, which may be src: every bit leaves when n
// reaches the size.
template <class Shift>
void shiftInto(Word* dst, const Word* src, std::uint32_t bits, std::uint32_t n,
               Shift shift) noexcept {
    if (bits == 0) return;
    if (n >= bits) return KernelLoops::zero(dst, detail::wordsFor(bits));
    shift(dst, src, bits, n, KernelLoops{});
}

}  // namespace

ZELMAR_FLAGROW& ZELMAR_FLAGROW::shiftDownLong(std::uint32_t n) noexcept {
    if (n != 0) shiftInto(words, words, bitCount, n, detail::shiftDown<KernelLoops>);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::shiftUpLong(std::uint32_t n) noexcept {
    if (n != 0) shiftInto(words, words, bitCount, n, detail::shiftUp<KernelLoops>);
    return *this;
}

ZELMAR_FLAGROW ZELMAR_FLAGROW::operator<<(std::uint32_t n) const {
    ZELMAR_FLAGROW result(bitCount, -1);
    shiftInto(result.words, words, bitCount, n, detail::shiftDown<KernelLoops>);
    return result;
}

ZELMAR_FLAGROW ZELMAR_FLAGROW::operator>>(std::uint32_t n) const {
    ZELMAR_FLAGROW result(bitCount, -1);
    shiftInto(result.words, words, bitCount, n, detail::shiftUp<KernelLoops>);
    return result;
}

}  // namespace Quandrelissa
