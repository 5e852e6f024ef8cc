// The count of a combination of two vectors without the vector it would make: the word layer's
// count with the kernel family's counting loop over the whole words both have.
#include "ZELMAR_FLAGROW.h"
#include "kernels.h"

namespace Quandrelissa {

using detail::Word;

namespace {

// The common bits: the value forms cut their result at the smaller size.
template <class Op>
std::uint32_t combinedCount(const Word* a, std::uint32_t aBits, const Word* b, std::uint32_t bBits,
                            Op op,
                            std::uint64_t (*countWords)(const Word*, const Word*,
                                                        std::size_t) noexcept) noexcept {
    return static_cast<std::uint32_t>(
        detail::countCombined(a, b, aBits < bBits ? aBits : bBits, op, countWords));
}

}  // namespace

std::uint32_t ZELMAR_FLAGROW::count_and(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount, detail::kAnd,
                         detail::kernels().countAnd);
}

std::uint32_t ZELMAR_FLAGROW::count_or(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount, detail::kOr,
                         detail::kernels().countOr);
}

std::uint32_t ZELMAR_FLAGROW::count_xor(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount, detail::kXor,
                         detail::kernels().countXor);
}

std::uint32_t ZELMAR_FLAGROW::count_subtract(const ZELMAR_FLAGROW& other) const noexcept {
    return combinedCount(words, bitCount, other.words, other.bitCount, detail::kAndNot,
                         detail::kernels().countAndNot);
}

}  // namespace Quandrelissa
