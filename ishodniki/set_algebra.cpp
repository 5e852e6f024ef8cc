// Subset and intersection tests of long vectors: the words both vectors have are combined and
// looked at in place by the word layer, with no vector built.
#include "ZELMAR_FLAGROW.h"
#include "bitrange.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

bool ZELMAR_FLAGROW::intersectsLong(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    return detail::anyCombined(words, other.words, common, detail::kAnd, detail::MeetInBlocks{});
}

bool ZELMAR_FLAGROW::isSubsetLong(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    if (detail::anyCombined(words, other.words, common, detail::kAndNot, detail::MeetInBlocks{}))
        return false;
    return common == bitCount || !detail::anyInRange(words, common, bitCount);
}

}  // namespace Quandrelissa
