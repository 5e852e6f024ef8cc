// The argument rules of the class, each once: the inline paths ask them to decide whether a call
// is theirs, and the members out of line ask the same functions before they raise.
#ifndef ZELMAR_FLAGROW_RULES_H
#define ZELMAR_FLAGROW_RULES_H

#include <cstddef>
#include <cstdint>
#include <functional>

namespace Quandrelissa::detail {

/// "Up to the end" as a count, "the last bit" as a range end, "the whole vector" as a word range.
inline constexpr std::uint32_t kToEnd = 0xFFFFFFFFu;

/// The file named by the errors of the members that stand in the public header.
inline constexpr const char* kPublicHeader = "INCLUDE/ZELMAR_FLAGROW.h";

/// One past the last bit of a range ending at bit j of a vector of `bits` bits: j = -1 or a j
/// past the end means the last bit.
constexpr std::uint32_t rangeEnd(std::uint32_t bits, std::uint32_t j) noexcept {
    return j < bits ? j + 1 : bits;
}

/// Whether a range from bit i to the clamped `end` is one the vector has: i lies before it.
/// Never true on an empty vector, whose end is 0.
constexpr bool isRange(std::uint32_t i, std::uint32_t end) noexcept { return i < end; }

/// Whether a word range from .. to asks for the whole vector.
constexpr bool isWholeVector(std::uint32_t from, std::uint32_t to) noexcept {
    return from == kToEnd && to == kToEnd;
}

/// Whether a buffer of `count` words takes the `need` words of an export or an import.
constexpr bool bufferTakes(const std::uint32_t* buffer, std::uint32_t count,
                           std::size_t need) noexcept {
    return buffer != nullptr && count >= need;
}

/// Whether a vector of `bits` bits, non-empty, is done by the header's inline loops that go up to
/// `mostWords` words.
constexpr bool inlineLoopsTake(std::uint32_t bits, std::uint32_t mostWords) noexcept {
    return bits - 1u < mostWords * 32u;
}

/// Whether `bytes` bytes at `p` share memory with any word of a vector's storage, `words` holding
/// `capacityBits` bits (spare words included): the one test by which every member finds caller
/// memory that it must copy aside before the vector changes.
inline bool liesInStorage(const std::uint32_t* words, std::uint32_t capacityBits, const void* p,
                          std::size_t bytes) noexcept {
    const auto* own = static_cast<const char*>(static_cast<const void*>(words));
    const auto* first = static_cast<const char*>(p);
    const std::size_t held = (std::size_t{capacityBits} + 31) / 32 * sizeof(std::uint32_t);
    const std::less<> before;
    return bytes != 0 && own != nullptr && before(first, own + held) && before(own, first + bytes);
}

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_RULES_H
