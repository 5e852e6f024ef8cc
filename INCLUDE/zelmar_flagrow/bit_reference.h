// One writable bit of a vector, as operator[] and the iterators hand it out: a word and the
// position of the bit in it. Assigning to it writes the bit, reading it gives a bool.
#ifndef ZELMAR_FLAGROW_BIT_REFERENCE_H
#define ZELMAR_FLAGROW_BIT_REFERENCE_H

#include <cstdint>

namespace Quandrelissa::detail {

class BitReference {
public:
    /// Bit `position` (0 .. 31, from the least significant) of `word`.
    constexpr BitReference(std::uint32_t* word, std::uint32_t position) noexcept
        : word_(word), position_(position) {}
    BitReference(const BitReference&) = default;
    ~BitReference() = default;

    /// Writes `value` into the bit.
    constexpr BitReference& operator=(bool value) noexcept {
        write(value);
        return *this;
    }
    /// Writes the value of the bit `other` names, not the reference itself.
    // NOLINTNEXTLINE(bugprone-unhandled-self-assignment): a bit written with its own value stays
    constexpr BitReference& operator=(const BitReference& other) noexcept {
        return *this = static_cast<bool>(other);
    }
    /// The same write through a const proxy: a const reference still names a writable bit, which
    /// the standard's output-iterator concepts (and so std::ranges::fill) ask for.
    constexpr const BitReference& operator=(bool value) const noexcept {
        write(value);
        return *this;
    }

    /// The bit's value.
    // Shifted down rather than masked: a loop of reads then needs no mask per bit, as test(i).
    constexpr operator bool() const noexcept { return ((*word_ >> position_) & 1u) != 0; }
    /// The bit's value flipped; the bit stays.
    constexpr bool operator~() const noexcept { return !static_cast<bool>(*this); }
    /// Flips the bit.
    constexpr BitReference& flip() noexcept {
        *word_ ^= mask();
        return *this;
    }
    /// The bit ANDed with `value`.
    constexpr BitReference& operator&=(bool value) noexcept {
        if (!value) write(false);
        return *this;
    }
    /// The bit ORed with `value`.
    constexpr BitReference& operator|=(bool value) noexcept {
        if (value) write(true);
        return *this;
    }
    /// The bit XORed with `value`.
    constexpr BitReference& operator^=(bool value) noexcept {
        if (value) flip();
        return *this;
    }

    /// Exchanges the values of two bits, which may lie in one word or be the same bit: what
    /// std::ranges::swap, and through it std::ranges::reverse, call for a proxy.
    friend constexpr void swap(BitReference a, BitReference b) noexcept {
        const bool held = a;
        a = static_cast<bool>(b);
        b = held;
    }

private:
    constexpr void write(bool value) const noexcept {
        *word_ = value ? *word_ | mask() : *word_ & ~mask();
    }
    constexpr std::uint32_t mask() const noexcept { return std::uint32_t{1} << position_; }

    std::uint32_t* word_;
    std::uint32_t position_;
};

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_BIT_REFERENCE_H
