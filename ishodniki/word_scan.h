// Scans for the first or last word that differs from a given one (0 for a set bit, all ones for
// a clear bit). Blocks are reduced without an early exit inside, so that the compiler keeps them
// in wide registers; the block that differs is then walked word by word.
#ifndef ZELMAR_FLAGROW_WORD_SCAN_H
#define ZELMAR_FLAGROW_WORD_SCAN_H

#include <cstddef>

#include "zelmar_flagrow/words.h"

namespace Quandrelissa::detail {

inline constexpr std::size_t kScanBlock = 64;

/// Index of the first word among 0 .. n - 1 that is not `skip`, or n.
inline std::size_t firstDiffering(const Word* w, std::size_t n, Word skip) noexcept {
    std::size_t k = 0;
    for (; n - k >= kScanBlock; k += kScanBlock) {
        Word diff = 0;
        for (std::size_t j = k; j < k + kScanBlock; ++j) diff |= w[j] ^ skip;
        if (diff != 0) break;
    }
    for (; k < n; ++k)
        if (w[k] != skip) return k;
    return n;
}

/// Index of the last word among 0 .. n - 1 that is not `skip`, or n.
inline std::size_t lastDiffering(const Word* w, std::size_t n, Word skip) noexcept {
    std::size_t k = n;
    for (; k >= kScanBlock; k -= kScanBlock) {
        Word diff = 0;
        for (std::size_t j = k - kScanBlock; j < k; ++j) diff |= w[j] ^ skip;
        if (diff != 0) break;
    }
    while (k > 0)
        if (w[--k] != skip) return k;
    return n;
}

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_WORD_SCAN_H
