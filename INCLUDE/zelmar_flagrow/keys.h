// Vectors as keys of the standard containers. The class's own < compares sizes only and its ==
// refuses two empty vectors, as its contract has them; these two order and equate every vector.
#ifndef ZELMAR_FLAGROW_KEYS_H
#define ZELMAR_FLAGROW_KEYS_H

#include <bit>
#include <cstdint>

#include "../ZELMAR_FLAGROW.h"

namespace Quandrelissa {

/// A strict weak order for ordered containers: the shorter vector first, and among vectors of
/// one size the order of their texts ("0011" before "0101"). Never throws.
struct LessBySizeThenBits {
    /// Whether `a` comes before `b`.
    bool operator()(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) const noexcept {
        if (a.size() != b.size()) return a.size() < b.size();
        const std::uint32_t* const x = a.data();
        const std::uint32_t* const y = b.data();
        const std::uint32_t words = a.razmerUL();
        for (std::uint32_t k = 0; k < words; ++k) {
            const std::uint32_t differ =
                (x[k] ^ y[k]) & (k + 1 == words ? detail::lowMask(a.size()) : detail::kAllOnes);
            // The text comes first at the lowest bit that differs: b is later when it is set there.
            if (differ != 0) return ((y[k] >> std::countr_zero(differ)) & 1u) != 0;
        }
        return false;
    }
};

/// Equality for unordered containers, beside std::hash<ZELMAR_FLAGROW>: same size and same bits,
/// two empty vectors equal. Never throws.
struct EqualSizeAndBits {
    /// Whether `a` and `b` have the same size and the same bits.
    bool operator()(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) const noexcept {
        return a.size() == b.size() && (a.empty() || detail::equalBits(a.data(), b.data(), a.size(),
                                                                       detail::InlineLoops::same));
    }
};

}  // namespace Quandrelissa

#endif  // ZELMAR_FLAGROW_KEYS_H
