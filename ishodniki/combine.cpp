// The whole-vector switches and the logical operators: whole words per step, one mask for the
// last word of a shorter right operand.
#include <algorithm>

#include "ZELMAR_FLAGROW.h"
#include "bitops.h"
#include "kernels.h"

namespace Quandrelissa {

using detail::Kernels;
using detail::kernels;
using detail::Word;

namespace {

using Combine = void (*)(Word*, const Word*, const Word*, std::size_t) noexcept;

// The words of a value form's result. A short one is done in a plain loop: the look-up of the
// kernel table and its indirect call would cost more than its few words.
template <class Op>
void intoResult(Word* out, const Word* a, const Word* b, std::size_t n, bool isShort,
                Combine Kernels::*wide, Op op) noexcept {
    if (!isShort) return (kernels().*wide)(out, a, b, n);
    for (std::size_t k = 0; k < n; ++k) out[k] = op(a[k], b[k]);
}

// The left operand keeps its size. A shorter right operand reaches only its own bits: the part
// of its last word above its size must not touch the left operand's bits there.
void combineInto(Word* l, std::uint32_t lBits, const Word* r, std::uint32_t rBits,
                 Combine combine) noexcept {
    if (lBits == 0 || rBits == 0) return;
    if (rBits >= lBits) return combine(l, l, r, detail::wordsFor(lBits));
    const std::size_t n = detail::wordsFor(rBits);
    const Word before = l[n - 1];
    combine(l, l, r, n);
    const Word mask = detail::lowMask(rBits);
    l[n - 1] = (before & ~mask) | (l[n - 1] & mask);
}

}  // namespace

ZELMAR_FLAGROW& ZELMAR_FLAGROW::vkl() noexcept {
    std::fill_n(words, wordCount, ~Word{0});
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::otkl() noexcept {
    std::fill_n(words, wordCount, Word{0});
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::invert() noexcept {
    kernels().notWords(words, words, wordCount);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::andLong(const ZELMAR_FLAGROW& r) noexcept {
    combineInto(words, bitCount, r.words, r.bitCount, kernels().andWords);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::orLong(const ZELMAR_FLAGROW& r) noexcept {
    combineInto(words, bitCount, r.words, r.bitCount, kernels().orWords);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::xorLong(const ZELMAR_FLAGROW& r) noexcept {
    combineInto(words, bitCount, r.words, r.bitCount, kernels().xorWords);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::subtractLong(const ZELMAR_FLAGROW& r) noexcept {
    combineInto(words, bitCount, r.words, r.bitCount, kernels().andNotWords);
    return *this;
}

// The value forms write straight into the result: combining the words both operands have is
// what copying the shorter one and combining the other into it would give, in one pass.
ZELMAR_FLAGROW operator&(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               &Kernels::andWords, [](Word x, Word y) { return x & y; });
    return result;
}

ZELMAR_FLAGROW operator|(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               &Kernels::orWords, [](Word x, Word y) { return x | y; });
    return result;
}

ZELMAR_FLAGROW operator^(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               &Kernels::xorWords, [](Word x, Word y) { return x ^ y; });
    return result;
}

ZELMAR_FLAGROW operator-(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               &Kernels::andNotWords, [](Word x, Word y) { return x & ~y; });
    return result;
}

ZELMAR_FLAGROW ZELMAR_FLAGROW::operator~() const {
    ZELMAR_FLAGROW result(bitCount, -1);
    if (!result.isShort()) {
        kernels().notWords(result.words, words, wordCount);
        return result;
    }
    for (std::uint32_t k = 0; k < wordCount; ++k) result.words[k] = ~words[k];
    return result;
}

}  // namespace Quandrelissa
