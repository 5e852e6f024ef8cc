// The count of a combination of two vectors without the vector it would make: the words both
// have go through the kernel family's counting loop, and the last of them is masked to the
// smaller size, as the value forms would cut their result there.
#include "ZELMAR_FLAGROW.h"
#include "bitops.h"
#include "kernels.h"

namespace Quandrelissa {

using detail::Word;

namespace {

using CountKernel = std::uint64_t (*)(const Word* a, const Word* b, std::size_t n) noexcept;

template <class Op>
std::uint32_t combinedCount(const Word* a, std::uint32_t aBits, const Word* b, std::uint32_t bBits,
                            CountKernel countWords, Op op) noexcept {
    const std::uint32_t common = aBits < bBits ? aBits : bBits;
    if (common == 0) return 0;
    const std::size_t last = detail::wordsFor(common) - 1;
    const Word tail = op(a[last], b[last]) & detail::lowMask(common);
    return static_cast<std::uint32_t>(countWords(a, b, last) + detail::popcount64(tail));
}

}  // namespace

std::uint32_t ZELMAR_FLAGROW::count_and(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount, detail::kernels().countAnd,
                         [](Word a, Word b) { return a & b; });
}

std::uint32_t ZELMAR_FLAGROW::count_or(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount, detail::kernels().countOr,
                         [](Word a, Word b) { return a | b; });
}

std::uint32_t ZELMAR_FLAGROW::count_xor(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount, detail::kernels().countXor,
                         [](Word a, Word b) { return a ^ b; });
}

std::uint32_t ZELMAR_FLAGROW::count_subtract(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount,
                         detail::kernels().countAndNot, [](Word a, Word b) { return a & ~b; });
}

}  // namespace Quandrelissa
