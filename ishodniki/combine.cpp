// The whole-vector switches and the logical operators: whole words per step, one mask for the
// last word of a shorter right operand.
#include <algorithm>

#include "ZELMAR_FLAGROW.h"
#include "kernels.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

using detail::kernels;
using detail::Word;

namespace {

using Combine = void (*)(Word*, const Word*, const Word*, std::size_t) noexcept;

// The kernel of a combination.
Combine kernelOf(detail::Combination how) noexcept {
    switch (how) {
        case detail::Combination::bitAnd:
            return kernels().andWords;
        case detail::Combination::bitOr:
            return kernels().orWords;
        case detail::Combination::bitXor:
            return kernels().xorWords;
        case detail::Combination::andNot:
            break;
    }
    return kernels().andNotWords;
}

// The words of a value form's result. A short one is done in a plain loop: the look-up of the
// kernel table and its indirect call would cost more than its few words.
template <class Op>
void intoResult(Word* out, const Word* a, const Word* b, std::size_t n, bool isShort,
                detail::Combination how, Op op) noexcept {
    if (!isShort) return kernelOf(how)(out, a, b, n);
    for (std::size_t k = 0; k < n; ++k) out[k] = op(a[k], b[k]);
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

ZELMAR_FLAGROW& ZELMAR_FLAGROW::combineLong(const ZELMAR_FLAGROW& r,
                                            detail::Combination how) noexcept {
    const Combine combine = kernelOf(how);
    detail::combineInto(words, bitCount, r.words, r.bitCount,
                        [combine](Word* l, const Word* x, std::size_t n) { combine(l, l, x, n); });
    return *this;
}

// The value forms write straight into the result: combining the words both operands have is
// what copying the shorter one and combining the other into it would give, in one pass.
ZELMAR_FLAGROW operator&(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               detail::Combination::bitAnd, detail::kAnd);
    return result;
}

ZELMAR_FLAGROW operator|(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               detail::Combination::bitOr, detail::kOr);
    return result;
}

ZELMAR_FLAGROW operator^(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               detail::Combination::bitXor, detail::kXor);
    return result;
}

ZELMAR_FLAGROW operator-(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    ZELMAR_FLAGROW result(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, -1);
    intoResult(result.words, a.words, b.words, result.wordCount, result.isShort(),
               detail::Combination::andNot, detail::kAndNot);
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
