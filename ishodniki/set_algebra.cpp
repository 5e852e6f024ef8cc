// Subset and intersection tests: the words both vectors have are combined and looked at in
// place, with no vector built; blocks are reduced without an early exit inside, so that the
// compiler keeps them in wide registers, and the loop stops after the block that decides.
#include "ZELMAR_FLAGROW.h"
#include "bitops.h"
#include "bitrange.h"

namespace Quandrelissa {

using detail::Word;

namespace {

// Whether combine(a[k], b[k]) is non-zero for some bit of the first `bits` bits.
template <class Combine>
bool anyCombined(const Word* a, const Word* b, std::uint32_t bits, Combine combine) noexcept {
    if (bits == 0) return false;
    constexpr std::size_t kBlock = 64;
    const std::size_t full = detail::wordsFor(bits) - 1;
    for (std::size_t k = 0; k < full; k += kBlock) {
        const std::size_t end = full - k < kBlock ? full : k + kBlock;
        Word seen = 0;
        for (std::size_t j = k; j < end; ++j) seen |= combine(a[j], b[j]);
        if (seen != 0) return true;
    }
    return (combine(a[full], b[full]) & detail::lowMask(bits)) != 0;
}

}  // namespace

bool ZELMAR_FLAGROW::intersectsLong(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    return anyCombined(words, other.words, common, [](Word a, Word b) { return a & b; });
}

bool ZELMAR_FLAGROW::isSubsetLong(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    if (anyCombined(words, other.words, common, [](Word a, Word b) { return a & ~b; }))
        return false;
    return common == bitCount || !detail::anyInRange(words, common, bitCount);
}

}  // namespace Quandrelissa
