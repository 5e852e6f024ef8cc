// Subset and intersection tests of long vectors: the words both vectors have are combined and
// looked at in place by the word layer, with no vector built.
#include "ZELMAR_FLAGROW.h"
#include "bitrange.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

// Words a long vector's tests reduce between two looks at the result.
constexpr std::size_t kLongBlock = 64;

bool ZELMAR_FLAGROW::intersectsLong(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    return detail::anyCombined(words, other.words, common, detail::kAnd,
                               detail::MeetInBlocks<kLongBlock>{});
}

bool ZELMAR_FLAGROW::isSubsetLong(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    if (detail::anyCombined(words, other.words, common, detail::kAndNot,
                            detail::MeetInBlocks<kLongBlock>{}))
        return false;
    return common == bitCount || !detail::anyInRange(words, common, bitCount);
}

}  // namespace Quandrelissa
