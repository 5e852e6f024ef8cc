// Shifts: the size stays, bits move by whole words in one block move or by a funnel shift of
// each word pair in one pass, and the vacated words are filled with zeros.
#include <cstring>

#include "ZELMAR_FLAGROW.h"
#include "bitops.h"
#include "kernels.h"

namespace Quandrelissa {

using detail::kernels;
using detail::kWordBits;
using detail::Word;

namespace {

// Bits n .. bits - 1 of src to bits 0 .. bits - n - 1 of dst, zeros above; dst may be src.
// The last source word is taken masked so that its storage bits never reach a meaningful bit.
void shiftDown(Word* dst, const Word* src, std::uint32_t bits, std::uint32_t n) noexcept {
    const std::size_t count = detail::wordsFor(bits);
    if (n >= bits) {
        std::memset(dst, 0, count * sizeof(Word));
        return;
    }
    const std::size_t k = n / kWordBits;
    const unsigned b = n % kWordBits;
    const std::size_t m = count - k;
    const Word top = detail::lastWord(src, bits);
    if (b == 0) {
        std::memmove(dst, src + k, (m - 1) * sizeof(Word));
        dst[m - 1] = top;
    } else {
        // Shifting {0xAABBCCDD, 0xEEFF0011} down by 4: word 0 becomes 0x1AABBCCD.
        if (m > 2) kernels().funnelDown(dst, src + k, m - 2, b);
        if (m > 1) dst[m - 2] = src[count - 2] >> b | top << (kWordBits - b);
        dst[m - 1] = top >> b;
    }
    std::memset(dst + m, 0, k * sizeof(Word));
}

// Bits 0 .. bits - n - 1 of src to bits n .. bits - 1 of dst, zeros below; dst may be src.
// What moves past the size lands in the storage bits of the last word or drops off.
void shiftUp(Word* dst, const Word* src, std::uint32_t bits, std::uint32_t n) noexcept {
    const std::size_t count = detail::wordsFor(bits);
    if (n >= bits) {
        std::memset(dst, 0, count * sizeof(Word));
        return;
    }
    const std::size_t k = n / kWordBits;
    const unsigned b = n % kWordBits;
    const std::size_t m = count - k;
    if (b == 0) {
        std::memmove(dst + k, src, m * sizeof(Word));
    } else {
        // Shifting {0xAABBCCDD, 0xEEFF0011} up by 4: word 1 becomes 0xEFF0011A.
        if (m > 1) kernels().funnelUp(dst + k + 1, src + 1, m - 1, b);
        dst[k] = src[0] << b;
    }
    std::memset(dst, 0, k * sizeof(Word));
}

}  // namespace

ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator<<=(std::uint32_t n) noexcept {
    if (bitCount != 0 && n != 0) shiftDown(words, words, bitCount, n);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator>>=(std::uint32_t n) noexcept {
    if (bitCount != 0 && n != 0) shiftUp(words, words, bitCount, n);
    return *this;
}

ZELMAR_FLAGROW ZELMAR_FLAGROW::operator<<(std::uint32_t n) const {
    ZELMAR_FLAGROW result(bitCount, -1);
    if (bitCount != 0) shiftDown(result.words, words, bitCount, n);
    return result;
}

ZELMAR_FLAGROW ZELMAR_FLAGROW::operator>>(std::uint32_t n) const {
    ZELMAR_FLAGROW result(bitCount, -1);
    if (bitCount != 0) shiftUp(result.words, words, bitCount, n);
    return result;
}

}  // namespace Quandrelissa
