// Runs of bits at any bit offset, done a word per step: the range operations, the word-array
// form, concatenation and the pattern fill are built on these. Ranges are [first, end) in bits,
// never empty; callers check bounds.
#ifndef ZELMAR_FLAGROW_BITRANGE_H
#define ZELMAR_FLAGROW_BITRANGE_H

#include <cstdint>

#include "zelmar_flagrow/words.h"

namespace Quandrelissa::detail {

/// Sets, clears or flips bits first .. end - 1; the other bits of the end words stay.
void applyRange(std::uint32_t* w, std::uint64_t first, std::uint64_t end, RangeOp op) noexcept;
/// Whether any of bits first .. end - 1 is set.
bool anyInRange(const std::uint32_t* w, std::uint64_t first, std::uint64_t end) noexcept;
/// The number of set bits among first .. end - 1.
std::uint64_t countInRange(const std::uint32_t* w, std::uint64_t first, std::uint64_t end) noexcept;
/// Whether every bit of first .. end - 1 is set.
bool allInRange(const std::uint32_t* w, std::uint64_t first, std::uint64_t end) noexcept;
/// Packs bits from .. from + n - 1 of `src` into dst from bit 0, (n + 31) / 32 words, the bits
/// past n zero. Reads no word of src beyond the one that holds bit from + n - 1.
void extractBits(const std::uint32_t* src, std::uint64_t from, std::uint64_t n,
                 std::uint32_t* dst) noexcept;
/// Writes bits 0 .. n - 1 of `src` over bits at .. at + n - 1 of dst; the other bits of dst stay
/// and src's bits past n are never used. src may be the start of dst when n <= at.
void depositBits(std::uint32_t* dst, std::uint64_t at, std::uint64_t n,
                 const std::uint32_t* src) noexcept;
/// Repeats bits 0 .. period - 1 of `w` up to bit total - 1, by doubling the repeated prefix. The
/// words past the prefix need not be initialised; the bits of the last word past total become 0.
void repeatPrefix(std::uint32_t* w, std::uint64_t period, std::uint64_t total) noexcept;

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_BITRANGE_H
