// A random-access iterator over the bits of a vector: the vector's words and a bit number. The
// writable form hands out a BitReference, the const form a bool.
#ifndef ZELMAR_FLAGROW_BIT_ITERATOR_H
#define ZELMAR_FLAGROW_BIT_ITERATOR_H

#include <compare>
#include <cstdint>
#include <iterator>
#include <type_traits>

#include "bit_reference.h"

namespace Quandrelissa::detail {

template <bool Const>
class BitIterator {
    using Word = std::conditional_t<Const, const std::uint32_t, std::uint32_t>;

public:
    using value_type = bool;
    /// Wide enough for the distance across 4294967295 bits where std::ptrdiff_t has 32 bits.
    using difference_type = std::int64_t;
    using reference = std::conditional_t<Const, bool, BitReference>;
    using pointer = void;
    using iterator_concept = std::random_access_iterator_tag;
    using iterator_category = std::random_access_iterator_tag;

    BitIterator() = default;
    /// Bit `bit` of the words at `words`.
    constexpr BitIterator(Word* words, std::uint32_t bit) noexcept : words_(words), bit_(bit) {}
    /// A const iterator at the bit a writable one is at.
    template <bool OtherConst>
    requires(Const &&
             !OtherConst) constexpr BitIterator(const BitIterator<OtherConst>& other) noexcept
        : words_(other.words_), bit_(other.bit_) {}

    constexpr reference operator*() const noexcept {
        Word* const word = words_ + (bit_ >> 5);
        if constexpr (Const) {
            return ((*word >> (bit_ & 31)) & 1u) != 0;
        } else {
            return {word, bit_ & 31};
        }
    }
    constexpr reference operator[](difference_type n) const noexcept { return *(*this + n); }

    constexpr BitIterator& operator++() noexcept {
        ++bit_;
        return *this;
    }
    constexpr BitIterator operator++(int) noexcept {
        BitIterator before = *this;
        ++bit_;
        return before;
    }
    constexpr BitIterator& operator--() noexcept {
        --bit_;
        return *this;
    }
    constexpr BitIterator operator--(int) noexcept {
        BitIterator before = *this;
        --bit_;
        return before;
    }
    // The bit number wraps round modulo 2^32 on the way, as it may for a step backwards; any
    // position the vector has comes out exact.
    constexpr BitIterator& operator+=(difference_type n) noexcept {
        bit_ += static_cast<std::uint32_t>(n);
        return *this;
    }
    constexpr BitIterator& operator-=(difference_type n) noexcept {
        bit_ -= static_cast<std::uint32_t>(n);
        return *this;
    }
    friend constexpr BitIterator operator+(BitIterator it, difference_type n) noexcept {
        return it += n;
    }
    friend constexpr BitIterator operator+(difference_type n, BitIterator it) noexcept {
        return it += n;
    }
    friend constexpr BitIterator operator-(BitIterator it, difference_type n) noexcept {
        return it -= n;
    }
    friend constexpr difference_type operator-(BitIterator a, BitIterator b) noexcept {
        return difference_type{a.bit_} - difference_type{b.bit_};
    }

    /// Iterators of one vector compare by the bit they are at.
    friend constexpr bool operator==(BitIterator a, BitIterator b) noexcept {
        return a.bit_ == b.bit_;
    }
    friend constexpr std::strong_ordering operator<=>(BitIterator a, BitIterator b) noexcept {
        return a.bit_ <=> b.bit_;
    }

private:
    friend class BitIterator<true>;

    Word* words_ = nullptr;
    std::uint32_t bit_ = 0;
};

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_BIT_ITERATOR_H
