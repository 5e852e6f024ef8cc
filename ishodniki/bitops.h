// Word arithmetic shared by the members and the kernels.
#ifndef ZELMAR_FLAGROW_BITOPS_H
#define ZELMAR_FLAGROW_BITOPS_H

#include <cstddef>
#include <cstdint>

namespace Quandrelissa::detail {

using Word = std::uint32_t;
constexpr unsigned kWordBits = 32;

/// Words that hold `bits` bits. 64-bit so that callers may pass bitCount + 1 or a sum of sizes.
constexpr std::size_t wordsFor(std::uint64_t bits) noexcept {
    return static_cast<std::size_t>((bits + kWordBits - 1) / kWordBits);
}

/// Bits 0 .. r - 1 of a word; r = 0 stands for a whole last word (a size that is a multiple of 32).
constexpr Word lowMask(std::uint64_t r) noexcept {
    const auto rest = static_cast<unsigned>(r % kWordBits);
    return rest == 0 ? ~Word{0} : (Word{1} << rest) - 1;
}

/// Bits b .. 31 of a word.
constexpr Word highMask(std::uint64_t b) noexcept {
    return ~Word{0} << static_cast<unsigned>(b % kWordBits);
}

/// The meaningful part of the last word of a vector of `bits` bits.
constexpr Word lastWord(const Word* words, std::uint64_t bits) noexcept {
    return words[wordsFor(bits) - 1] & lowMask(bits);
}

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_BITOPS_H
