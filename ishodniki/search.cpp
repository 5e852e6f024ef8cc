// The searches, forwards and backwards, for set and for clear bits. A word per step (the
// forward search for set bits through the kernels); a clear-bit search reads each word flipped, so
// one routine serves both kinds. Storage bits past the size are masked off (or, going forwards, a
// hit there is no hit), never reported.
#include <bit>

#include "ZELMAR_FLAGROW.h"
#include "kernels.h"
#include "word_scan.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

using detail::kWordBits;
using detail::Word;

namespace {

constexpr Word kSetBits = 0;
constexpr Word kClearBits = ~Word{0};

// The first bit at or after `from` whose value differs from `flip`'s bits, or `bits`.
std::uint32_t firstFrom(const Word* w, std::uint32_t bits, std::uint64_t from, Word flip) noexcept {
    if (from >= bits) return bits;
    std::size_t at = static_cast<std::size_t>(from / kWordBits);
    Word word = (w[at] ^ flip) & detail::highMask(from);
    if (word == 0) {
        const std::size_t rest = detail::wordsFor(bits) - at - 1;
        const std::size_t next = flip == kSetBits ? detail::kernels().findNonZero(w + at + 1, rest)
                                                  : detail::firstDiffering(w + at + 1, rest, flip);
        if (next == rest) return bits;
        at += next + 1;
        word = w[at] ^ flip;
    }
    const std::uint64_t found =
        std::uint64_t{at} * kWordBits + static_cast<unsigned>(std::countr_zero(word));
    return found < bits ? static_cast<std::uint32_t>(found) : bits;
}

// The last bit before `before` whose value differs from `flip`'s bits, or `bits`.
std::uint32_t lastBefore(const Word* w, std::uint32_t bits, std::uint32_t before,
                         Word flip) noexcept {
    const std::uint32_t end = before < bits ? before : bits;
    if (end == 0) return bits;
    std::size_t at = (end - std::size_t{1}) / kWordBits;
    Word word = (w[at] ^ flip) & detail::lowMask(end);
    if (word == 0) {
        const std::size_t found = detail::lastDiffering(w, at, flip);
        if (found == at) return bits;
        at = found;
        word = w[at] ^ flip;
    }
    return static_cast<std::uint32_t>(at * kWordBits + kWordBits - 1 -
                                      static_cast<unsigned>(std::countl_zero(word)));
}

}  // namespace

std::uint32_t ZELMAR_FLAGROW::find_first() const noexcept {
    return firstFrom(words, bitCount, 0, kSetBits);
}

std::uint32_t ZELMAR_FLAGROW::find_first(std::uint32_t from) const noexcept {
    return firstFrom(words, bitCount, from, kSetBits);
}

std::uint32_t ZELMAR_FLAGROW::find_next(std::uint32_t i) const noexcept {
    return firstFrom(words, bitCount, std::uint64_t{i} + 1, kSetBits);
}

std::uint32_t ZELMAR_FLAGROW::find_last() const noexcept {
    return lastBefore(words, bitCount, bitCount, kSetBits);
}

std::uint32_t ZELMAR_FLAGROW::find_prev(std::uint32_t i) const noexcept {
    return lastBefore(words, bitCount, i, kSetBits);
}

std::uint32_t ZELMAR_FLAGROW::find_first_unset() const noexcept {
    return firstFrom(words, bitCount, 0, kClearBits);
}

std::uint32_t ZELMAR_FLAGROW::find_next_unset(std::uint32_t i) const noexcept {
    return firstFrom(words, bitCount, std::uint64_t{i} + 1, kClearBits);
}

std::uint32_t ZELMAR_FLAGROW::find_last_unset() const noexcept {
    return lastBefore(words, bitCount, bitCount, kClearBits);
}

std::uint32_t ZELMAR_FLAGROW::find_prev_unset(std::uint32_t i) const noexcept {
    return lastBefore(words, bitCount, i, kClearBits);
}

}  // namespace Quandrelissa
