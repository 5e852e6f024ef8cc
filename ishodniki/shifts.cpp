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

// A shift by n of a vector of `bits` bits, split into whole words and the rest.
struct Split {
    std::size_t count;  // words of the vector
    std::size_t k;      // whole words moved
    unsigned b;         // bits moved within the words, 0 .. 31
    std::size_t m;      // words that keep data
};

// Clears dst and answers false when n leaves no bit in place.
bool split(Word* dst, std::uint32_t bits, std::uint32_t n, Split& s) noexcept {
    s.count = detail::wordsFor(bits);
    if (n >= bits) {
        std::memset(dst, 0, s.count * sizeof(Word));
        return false;
    }
    s.k = n / kWordBits;
    s.b = n % kWordBits;
    s.m = s.count - s.k;
    return true;
}

// Bits n .. bits - 1 of src to bits 0 .. bits - n - 1 of dst, zeros above; dst may be src.
// The last source word is taken masked so that its storage bits never reach a meaningful bit.
void shiftDown(Word* dst, const Word* src, std::uint32_t bits, std::uint32_t n) noexcept {
    Split s;
    if (!split(dst, bits, n, s)) return;
    const Word top = detail::lastWord(src, bits);
    if (s.b == 0) {
        std::memmove(dst, src + s.k, (s.m - 1) * sizeof(Word));
        dst[s.m - 1] = top;
    } else {
        // Shifting {0xAABBCCDD, 0xEEFF0011} down by 4: word 0 becomes 0x1AABBCCD.
        if (s.m > 2) kernels().funnelDown(dst, src + s.k, s.m - 2, s.b);
        if (s.m > 1) dst[s.m - 2] = src[s.count - 2] >> s.b | top << (kWordBits - s.b);
        dst[s.m - 1] = top >> s.b;
    }
    std::memset(dst + s.m, 0, s.k * sizeof(Word));
}

// Bits 0 .. bits - n - 1 of src to bits n .. bits - 1 of dst, zeros below; dst may be src.
// What moves past the size lands in the storage bits of the last word or drops off.
void shiftUp(Word* dst, const Word* src, std::uint32_t bits, std::uint32_t n) noexcept {
    Split s;
    if (!split(dst, bits, n, s)) return;
    if (s.b == 0) {
        std::memmove(dst + s.k, src, s.m * sizeof(Word));
    } else {
        // Shifting {0xAABBCCDD, 0xEEFF0011} up by 4: word 1 becomes 0xEFF0011A.
        if (s.m > 1) kernels().funnelUp(dst + s.k + 1, src + 1, s.m - 1, s.b);
        dst[s.k] = src[0] << s.b;
    }
    std::memset(dst, 0, s.k * sizeof(Word));
}

}  // namespace

ZELMAR_FLAGROW& ZELMAR_FLAGROW::shiftDownLong(std::uint32_t n) noexcept {
    if (bitCount != 0 && n != 0) shiftDown(words, words, bitCount, n);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::shiftUpLong(std::uint32_t n) noexcept {
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
