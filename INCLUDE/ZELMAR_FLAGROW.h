// A vector of up to 4294967295 bits packed into 32-bit words.
//
// Bit i lives in word i / 32 at position i % 32, least significant bit first.
// The text form writes bit 0 first, '1' for a set bit and '0' for a clear one;
// the word-array form packs a range from bit 0 of its first word. Misuse is
// reported by throwing _ZELMAR_FLAGROW with one of these codes:
//   1  the operation needs a non-empty vector
//   2  a required pointer is null
//   4  a bit number or a range lies outside the vector or the text
//   6  storage could not be allocated (or the size would pass 4294967295 bits)
// Checks come before changes: after codes 1, 2 and 4 the vector is unchanged.
//
// This file is the contract: every member with its errors, then the one-bit members, which are
// inline here. The bodies of the members that short vectors run inline follow in
// zelmar_flagrow/short_paths.h, over the word arithmetic of zelmar_flagrow/words.h and the
// argument rules of zelmar_flagrow/rules.h; the walk over the set bits in
// zelmar_flagrow/set_bits.h.
//
// Caller memory: a member that reads a caller's list, text, pattern or word buffer works as if it
// had read all of it before the vector changes, also when it lies anywhere in the vector's own
// storage (its spare words past razmerUL() included). Such memory is copied aside first, which
// alone may throw 6; memory elsewhere is read in place.
#ifndef ZELMAR_FLAGROW_H
#define ZELMAR_FLAGROW_H

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <iosfwd>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "zelmar_flagrow/bit_iterator.h"
#include "zelmar_flagrow/bit_reference.h"
#include "zelmar_flagrow/error_text.h"
#include "zelmar_flagrow/rules.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

/// The error thrown by every member of ZELMAR_FLAGROW: a code, the source file
/// (relative to the project root) and the line of the failing check. It is a std::exception whose
/// what() says all three and the code's meaning in English; neither it nor a copy allocates.
class _ZELMAR_FLAGROW : public std::exception {
public:
    /// The operation needs a non-empty vector.
    static constexpr std::int32_t kEmpty = 1;
    /// A required pointer is null.
    static constexpr std::int32_t kNullPointer = 2;
    /// A bit number or a range lies outside the vector or the text.
    static constexpr std::int32_t kOutOfRange = 4;
    /// Storage could not be allocated, or the size would pass 4294967295 bits.
    static constexpr std::int32_t kNoMemory = 6;

    /// Keeps at most the first 255 characters of `file`; a null `file` is kept as "".
    _ZELMAR_FLAGROW(std::int32_t code, const char* file, std::int32_t line) noexcept {
        code_ = code;
        line_ = line;
        std::size_t n = 0;
        for (; file != nullptr && n < sizeof file_ - 1 && file[n] != '\0'; ++n) file_[n] = file[n];
        file_[n] = '\0';
        detail::writeErrorText(what_, code, file_, line);
    }
    /// Copies the code, the file and the line; never throws, as an exception type must not.
    _ZELMAR_FLAGROW(const _ZELMAR_FLAGROW&) noexcept = default;
    /// Copies the code, the file and the line; never throws.
    _ZELMAR_FLAGROW& operator=(const _ZELMAR_FLAGROW&) noexcept = default;
    ~_ZELMAR_FLAGROW() override = default;

    /// The error code: 1, 2, 4 or 6.
    std::int32_t code() const noexcept { return code_; }
    /// The source file of the failing check, NUL-terminated.
    const char* file() const noexcept { return file_; }
    /// The source line of the failing check.
    std::int32_t line() const noexcept { return line_; }
    /// "zelmar_flagrow error 4: <meaning> (<file>:<line>)", for a catch of std::exception.
    const char* what() const noexcept override { return what_; }

private:
    std::int32_t code_ = 0;
    char file_[256] = {};
    std::int32_t line_ = 0;
    /// Room for the longest text: a full file name, the longest meaning and two numbers.
    char what_[384] = {};
};

namespace detail {
/// A number, which the implicit bit-count constructor would turn into a vector of zeros.
template <class T>
concept Number = std::is_arithmetic_v<T> || std::is_enum_v<T>;
}  // namespace detail

/// A row of up to 4294967295 bits kept in 32-bit words, bit i in word i / 32 at position i % 32.
/// Every misuse throws _ZELMAR_FLAGROW and leaves the vector as it was.
class ZELMAR_FLAGROW {
public:
    /// Largest possible size: every 32-bit bit count is allowed.
    static constexpr std::uint32_t kMaxBits = 0xFFFFFFFFu;
    /// "Up to the end" as a count, or "the last bit" as a range end.
    static constexpr std::uint32_t kToEnd = detail::kToEnd;

    // ---- Construction, sizing, copying -------------------------------------

    /// `n` bits filled by `fill` (0: zeros, -1: uninitialised, other: ones); n = 0 is empty.
    /// Throws 6 when the storage cannot be allocated.
    ZELMAR_FLAGROW(std::uint32_t n = 0, std::int32_t fill = 0);
    /// `n` bits from `pattern` repeated (its first `length` characters, 0 = all of it).
    /// n = 0 gives an empty vector and ignores the pattern. Throws 2 (null), 4 (length past the
    /// pattern), 6.
    ZELMAR_FLAGROW(std::uint32_t n, const char* pattern, std::uint32_t length = 0);
    /// The bits written in `text`, as impStr(text, start, count). Throws 2, 4, 6.
    ZELMAR_FLAGROW(const char* text, std::uint32_t start = 0, std::uint32_t count = kToEnd);
    /// The bits written in `text`, one per character ('0' clear, anything else set). Throws 6.
    explicit ZELMAR_FLAGROW(std::string_view text);
    /// Deep copy, the storage bits past the size included. Throws 6.
    ZELMAR_FLAGROW(const ZELMAR_FLAGROW& other);
    /// Takes the storage of `other` (copies the words it holds inside its object), which is left
    /// empty.
    ZELMAR_FLAGROW(ZELMAR_FLAGROW&& other) noexcept { swap(other); }
    /// Releases the storage.
    virtual ~ZELMAR_FLAGROW();

    /// Deep copy. Assigning an empty vector leaves this one unchanged. Throws 6 (this one is then
    /// empty).
    ZELMAR_FLAGROW& operator=(const ZELMAR_FLAGROW& other);
    /// Takes the storage of `other` (copies the words it holds inside its object), which is left
    /// empty.
    ZELMAR_FLAGROW& operator=(ZELMAR_FLAGROW&& other) noexcept;

    /// Re-sizes to `n` bits by the fill convention; the old bits are gone. n = 0 changes nothing.
    /// Throws 6, after which the vector is empty.
    ZELMAR_FLAGROW& nado(std::uint32_t n, std::int32_t fill = 0);
    /// Re-sizes to `n` bits (n = 0: keeps the size) and lays `pattern` (caller memory) over them
    /// cyclically. An empty pattern empties the vector. Throws 4 (length past the pattern, nothing
    /// changed), 2 (null pattern, after the re-size), 6.
    ZELMAR_FLAGROW& nado(std::uint32_t n, const char* pattern, std::uint32_t length = 0);

    // ---- Single bits: throw 4 when i >= razmer() ----------------------------

    /// Sets bit i.
    ZELMAR_FLAGROW& vkl(std::uint32_t i);
    /// Clears bit i.
    ZELMAR_FLAGROW& otkl(std::uint32_t i);
    /// Flips bit i.
    ZELMAR_FLAGROW& invert(std::uint32_t i);
    /// Whether bit i is set.
    bool test(std::uint32_t i) const;

    // ---- The whole vector: never throw --------------------------------------

    /// Sets every bit.
    ZELMAR_FLAGROW& vkl() noexcept;
    /// Clears every bit.
    ZELMAR_FLAGROW& otkl() noexcept;
    /// Flips every bit.
    ZELMAR_FLAGROW& invert() noexcept;

    // ---- Ranges [i, j], both included; j = -1 or j >= razmer() means the last bit

    /// Sets bits i to j. Throws 4 when i lies past the clamped end (always on an empty vector).
    ZELMAR_FLAGROW& vkl(std::uint32_t i, std::uint32_t j);
    /// Clears bits i to j. Throws 4 as vkl(i, j).
    ZELMAR_FLAGROW& otkl(std::uint32_t i, std::uint32_t j);
    /// Flips bits i to j. Throws 4 as vkl(i, j).
    ZELMAR_FLAGROW& invert(std::uint32_t i, std::uint32_t j);
    /// Whether any of bits i to j is set. Throws 1 on an empty vector, else 4 as vkl(i, j).
    bool test(std::uint32_t i, std::uint32_t j) const;

    // ---- Whole-vector queries -----------------------------------------------

    /// Whether any bit is set. Throws 1 on an empty vector.
    bool test() const;
    /// Whether no bit is set. Throws 1 on an empty vector.
    bool null() const { return !test(); }
    /// The number of set bits. Throws 1 on an empty vector.
    std::uint32_t schet() const;
    /// The number of bits.
    std::uint32_t razmer() const noexcept { return bitCount; }
    /// The number of 32-bit words the bits occupy.
    std::uint32_t razmerUL() const noexcept { return wordCount; }
    /// Whether the vector holds at least one bit.
    bool est() const noexcept { return bitCount != 0; }

    // ---- Text form ----------------------------------------------------------

    /// Replaces the vector by characters start .. start + count - 1 of `text` (count -1: to its
    /// end), reading no character at or past start + count (caller memory); an empty text empties
    /// it. Throws 2 (null), 4 (start or start + count past the text), 6.
    void impStr(const char* text, std::uint32_t start = 0, std::uint32_t count = kToEnd);
    /// Writes the text and NUL-fills the rest of `buffer`; returns 0, or without writing the size
    /// needed (razmer() + 1) when `buffer` is null or smaller. Throws 1 on an empty vector given a
    /// buffer of one character or more. A vector of 4294967295 bits has no text that fits: it
    /// always answers 4294967295.
    std::uint32_t expStr(char* buffer = nullptr, std::uint32_t size = 0) const;

    // ---- Word-array form ----------------------------------------------------

    /// Packs bits from .. to (both -1: the whole vector; to past the end: the last bit) into
    /// `buffer` from bit 0 of word 0, zeroing all `count` words; returns 0, or without writing
    /// the words needed when `buffer` is null or `count` too small. Throws 4 when to < from, and
    /// on an empty vector for any range but the whole vector.
    std::uint32_t expUL(std::uint32_t* buffer = nullptr, std::uint32_t count = 0,
                        std::uint32_t from = kToEnd, std::uint32_t to = kToEnd) const;
    /// The same as impUL(0, -1, buffer, count): the words into the whole vector.
    std::uint32_t impUL(const std::uint32_t* buffer, std::uint32_t count);
    /// Writes the bits of `buffer` into bits from .. to (to -1: the last bit; past the end: the
    /// vector grows to to + 1 bits); returns 0, or without change the words needed when `count`
    /// is too small. The buffer is caller memory. Throws 4 when to < from (on an empty vector also
    /// for to -1 and from > 0), 2 for a null buffer that would be read, 6 (the vector then
    /// unchanged).
    std::uint32_t impUL(std::uint32_t from, std::uint32_t to, const std::uint32_t* buffer,
                        std::uint32_t count);
    /// expUL into a span: returns 0 when written, else the words needed.
    std::uint32_t expUL(std::span<std::uint32_t> buffer, std::uint32_t from = kToEnd,
                        std::uint32_t to = kToEnd) const;
    /// impUL from a span: returns 0 when done, else the words needed.
    std::uint32_t impUL(std::span<const std::uint32_t> buffer);
    /// impUL(from, to, ...) from a span: returns 0 when done, else the words needed.
    std::uint32_t impUL(std::uint32_t from, std::uint32_t to,
                        std::span<const std::uint32_t> buffer);

    // ---- Growth and combining -----------------------------------------------

    /// Appends n bits, zeros when fill is 0 and ones otherwise (-1 included).
    /// Throws 6 when out of memory or past 4294967295 bits; the vector is then unchanged.
    ZELMAR_FLAGROW& plus(std::uint32_t n, std::int32_t fill = 0);
    /// ANDs `r` into bits 0 .. min(size, r.size) - 1; the other bits stay. Empty operands change
    /// nothing.
    ZELMAR_FLAGROW& operator&=(const ZELMAR_FLAGROW& r) noexcept;
    /// ORs `r` into bits 0 .. min(size, r.size) - 1; the other bits stay.
    ZELMAR_FLAGROW& operator|=(const ZELMAR_FLAGROW& r) noexcept;
    /// XORs `r` into bits 0 .. min(size, r.size) - 1; the other bits stay.
    ZELMAR_FLAGROW& operator^=(const ZELMAR_FLAGROW& r) noexcept;
    /// Appends the bits of `r` (v += v doubles v). Throws 6 as plus(); the vector is then
    /// unchanged.
    ZELMAR_FLAGROW& operator+=(const ZELMAR_FLAGROW& r);
    /// A copy with every bit flipped. Throws 6.
    ZELMAR_FLAGROW operator~() const;
    /// A number is no operand: v |= 1 would combine with a one-bit zero vector.
    template <detail::Number T>
    ZELMAR_FLAGROW& operator&=(T) = delete;
    template <detail::Number T>
    ZELMAR_FLAGROW& operator|=(T) = delete;
    template <detail::Number T>
    ZELMAR_FLAGROW& operator^=(T) = delete;
    template <detail::Number T>
    ZELMAR_FLAGROW& operator+=(T) = delete;

    /// The bits of the smaller operand ANDed with the other's. Throws 6.
    friend ZELMAR_FLAGROW operator&(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    /// The bits of the smaller operand ORed with the other's. Throws 6.
    friend ZELMAR_FLAGROW operator|(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    /// The bits of the smaller operand XORed with the other's. Throws 6.
    friend ZELMAR_FLAGROW operator^(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    /// No number on either side, as for the compound forms.
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator&(const ZELMAR_FLAGROW&, T) = delete;
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator&(T, const ZELMAR_FLAGROW&) = delete;
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator|(const ZELMAR_FLAGROW&, T) = delete;
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator|(T, const ZELMAR_FLAGROW&) = delete;
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator^(const ZELMAR_FLAGROW&, T) = delete;
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator^(T, const ZELMAR_FLAGROW&) = delete;

    // ---- Shifts: the size stays, vacated bits become 0 ----------------------

    /// Moves every bit n places towards bit 0 (the text moves left).
    ZELMAR_FLAGROW& operator<<=(std::uint32_t n) noexcept;
    /// Moves every bit n places away from bit 0 (the text moves right).
    ZELMAR_FLAGROW& operator>>=(std::uint32_t n) noexcept;
    /// A copy shifted towards bit 0. Throws 6.
    ZELMAR_FLAGROW operator<<(std::uint32_t n) const;
    /// A copy shifted away from bit 0. Throws 6.
    ZELMAR_FLAGROW operator>>(std::uint32_t n) const;

    // ---- Comparisons --------------------------------------------------------

    /// Whether `a` has fewer bits than `b`; no bit is looked at, so it is no order for keys:
    /// std::set<ZELMAR_FLAGROW, LessBySizeThenBits> and std::map keys use LessBySizeThenBits.
    friend bool operator<(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) noexcept {
        return a.bitCount < b.bitCount;
    }
    /// Same size and same bits. Throws 1 when both are empty, so keys of unordered containers
    /// use EqualSizeAndBits, which never throws, beside std::hash.
    friend bool operator==(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    /// The negation of ==. Throws 1 when both are empty.
    friend bool operator!=(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) { return !(a == b); }
    /// A number is no operand: v == 3 would compare with a three-bit zero vector.
    template <detail::Number T>
    friend bool operator<(const ZELMAR_FLAGROW&, T) = delete;
    template <detail::Number T>
    friend bool operator<(T, const ZELMAR_FLAGROW&) = delete;
    template <detail::Number T>
    friend bool operator==(const ZELMAR_FLAGROW&, T) = delete;
    template <detail::Number T>
    friend bool operator==(T, const ZELMAR_FLAGROW&) = delete;
    template <detail::Number T>
    friend bool operator!=(const ZELMAR_FLAGROW&, T) = delete;
    template <detail::Number T>
    friend bool operator!=(T, const ZELMAR_FLAGROW&) = delete;

    // ---- Names in the manner of the standard bitset -------------------------

    /// vkl().
    ZELMAR_FLAGROW& set() noexcept { return vkl(); }
    /// vkl(i); throws 4.
    ZELMAR_FLAGROW& set(std::uint32_t i) { return vkl(i); }
    /// otkl().
    ZELMAR_FLAGROW& reset() noexcept { return otkl(); }
    /// otkl(i); throws 4.
    ZELMAR_FLAGROW& reset(std::uint32_t i) { return otkl(i); }
    /// invert().
    ZELMAR_FLAGROW& flip() noexcept { return invert(); }
    /// invert(i); throws 4.
    ZELMAR_FLAGROW& flip(std::uint32_t i) { return invert(i); }
    /// razmer().
    std::uint32_t size() const noexcept { return bitCount; }
    /// !est().
    bool empty() const noexcept { return bitCount == 0; }
    /// Whether any bit is set; false on an empty vector.
    bool any() const noexcept;
    /// Whether no bit is set; true on an empty vector.
    bool none() const noexcept { return !any(); }
    /// Whether every bit is set; true on an empty vector.
    bool all() const noexcept;
    /// The number of set bits; 0 on an empty vector.
    std::uint32_t count() const noexcept;

    // ---- The bits as a container of bool ------------------------------------
    // Indexing is checked as test(i) is: i >= razmer() throws 4, never undefined. Iterators and
    // references hold the storage: anything that re-sizes the vector or takes its storage
    // (nado, resize, push_back, impStr, a word import that grows, assignment, move, swap)
    // invalidates them.

    /// A writable bit: assign a bool or another reference, read it as a bool, flip(), ~, and
    /// &=, |=, ^= with a bool.
    using reference = detail::BitReference;
    /// A bit read from a const vector.
    using const_reference = bool;
    /// What a bit holds.
    using value_type = bool;
    /// Bit counts and numbers.
    using size_type = std::uint32_t;
    /// The distance between two iterators: 64-bit, so that it spans 4294967295 bits on any target.
    using difference_type = std::int64_t;
    /// Random access over every bit, bit 0 first; *it is a reference.
    using iterator = detail::BitIterator<false>;
    /// Random access over every bit, bit 0 first; *it is a bool.
    using const_iterator = detail::BitIterator<true>;
    /// The bits from the last one to bit 0; *it is a reference.
    using reverse_iterator = std::reverse_iterator<iterator>;
    /// The bits from the last one to bit 0; *it is a bool.
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    /// test(i); throws 4.
    bool operator[](std::uint32_t i) const { return test(i); }
    /// Bit i as a writable reference: v[i] = true. Throws 4.
    reference operator[](std::uint32_t i);
    /// Writes `value` into bit i, as the standard bitset's set(pos, value); throws 4.
    ZELMAR_FLAGROW& set(std::uint32_t i, bool value) {
        (*this)[i] = value;
        return *this;
    }
    /// Writes `value` into bit i and returns the bit it held; throws 4.
    bool test_set(std::uint32_t i, bool value = true) {
        reference bit = (*this)[i];
        const bool held = bit;
        bit = value;
        return held;
    }

    /// At bit 0.
    iterator begin() noexcept { return {words, 0}; }
    /// Past the last bit.
    iterator end() noexcept { return {words, bitCount}; }
    /// At bit 0, reading bools.
    const_iterator begin() const noexcept { return {words, 0}; }
    /// Past the last bit, reading bools.
    const_iterator end() const noexcept { return {words, bitCount}; }
    /// begin() of the const vector.
    const_iterator cbegin() const noexcept { return begin(); }
    /// end() of the const vector.
    const_iterator cend() const noexcept { return end(); }
    /// At the last bit, going towards bit 0.
    reverse_iterator rbegin() noexcept { return reverse_iterator(end()); }
    /// Past bit 0, going towards it.
    reverse_iterator rend() noexcept { return reverse_iterator(begin()); }
    /// At the last bit, going towards bit 0, reading bools.
    const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
    /// Past bit 0, reading bools.
    const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }
    /// rbegin() of the const vector.
    const_reverse_iterator crbegin() const noexcept { return rbegin(); }
    /// rend() of the const vector.
    const_reverse_iterator crend() const noexcept { return rend(); }

    // ---- Interoperability ---------------------------------------------------

    /// The text form, bit 0 first; "" for an empty vector. Throws 6.
    std::string to_string() const;
    /// The first set bit, or size() when none is set.
    std::uint32_t find_first() const noexcept;
    /// The first set bit after bit i, or size() when there is none.
    std::uint32_t find_next(std::uint32_t i) const noexcept;
    /// The word storage, razmerUL() words; the storage bits past size() carry no meaning.
    const std::uint32_t* data() const noexcept { return words; }
    /// Exchanges the contents of two vectors.
    void swap(ZELMAR_FLAGROW& other) noexcept {
        // Words held inside an object change objects; the pointers follow them.
        const bool mineInside = words == insideWords;
        const bool theirsInside = other.words == other.insideWords;
        std::swap(insideWords, other.insideWords);
        std::swap(words, other.words);
        if (mineInside) other.words = other.insideWords;
        if (theirsInside) words = insideWords;
        std::swap(wordCount, other.wordCount);
        std::swap(bitCount, other.bitCount);
        std::swap(capacityBits, other.capacityBits);
    }
    /// Exchanges the contents of two vectors.
    friend void swap(ZELMAR_FLAGROW& a, ZELMAR_FLAGROW& b) noexcept { a.swap(b); }

    /// Writes the text form as a formatted output: a buffer that takes less sets badbit, one
    /// that throws sets badbit and its exception goes on only when exceptions() has badbit.
    /// Throws 6 when a field wider than the text needs storage that cannot be had.
    friend std::ostream& operator<<(std::ostream& out, const ZELMAR_FLAGROW& v);
    /// Reads one token of '0'/'1' characters after white space, stopping before any other
    /// character; with none failbit is set. A buffer that throws sets badbit (its exception goes
    /// on only when exceptions() has badbit), the characters taken are then lost. Throws 6 when
    /// the token cannot be held, after reading it to its end and setting failbit. On any failure
    /// the vector is unchanged.
    friend std::istream& operator>>(std::istream& in, ZELMAR_FLAGROW& v);

    // ---- Search: each answers size() when there is no such bit; none throws -----

    /// The first set bit at or after `from`.
    std::uint32_t find_first(std::uint32_t from) const noexcept;
    /// The last set bit.
    std::uint32_t find_last() const noexcept;
    /// The last set bit before bit i.
    std::uint32_t find_prev(std::uint32_t i) const noexcept;
    /// The first clear bit.
    std::uint32_t find_first_unset() const noexcept;
    /// The first clear bit after bit i.
    std::uint32_t find_next_unset(std::uint32_t i) const noexcept;
    /// The last clear bit.
    std::uint32_t find_last_unset() const noexcept;
    /// The last clear bit before bit i.
    std::uint32_t find_prev_unset(std::uint32_t i) const noexcept;

    /// The set bits in ascending order, a forward range over the vector (which must outlive it
    /// and stay unchanged while it is walked).
    class SetBitsView {
    public:
        /// Holds the set bits still ahead in the 64-bit chunk it is in, so that a step within a
        /// chunk clears one bit and counts trailing zeros, and only leaving a chunk reads memory.
        /// Two iterators are equal at the same bit; the end one stands at size().
        class iterator {
        public:
            /// A bit number.
            using value_type = std::uint32_t;
            /// The distance between two iterators.
            using difference_type = std::ptrdiff_t;
            /// A forward iterator, for C++20 ranges.
            using iterator_concept = std::forward_iterator_tag;
            /// A forward iterator, for the older algorithms.
            using iterator_category = std::forward_iterator_tag;

            /// An iterator over no vector, equal to any other made so.
            iterator() = default;
            /// The number of the set bit it stands at.
            std::uint32_t operator*() const noexcept { return bit_; }
            /// Moves to the next set bit, or to the end.
            iterator& operator++() noexcept {
                ahead_ &= ahead_ - 1;
                if (ahead_ == 0) return seek((bit_ >> 6) + 1);
                bit_ = (bit_ & ~63u) + static_cast<std::uint32_t>(std::countr_zero(ahead_));
                return *this;
            }
            /// Moves to the next set bit and returns where it stood before.
            iterator operator++(int) noexcept {
                iterator before = *this;
                ++*this;
                return before;
            }
            /// Whether `a` and `b` stand at the same bit.
            friend bool operator==(const iterator& a, const iterator& b) noexcept {
                return a.bit_ == b.bit_;
            }

        private:
            friend class SetBitsView;
            iterator(const ZELMAR_FLAGROW* vector, std::uint32_t bit) noexcept
                : vector_(vector), bit_(bit) {}

            /// Stands at the first set bit of chunk `chunk` (words 2 chunk and 2 chunk + 1) or
            /// a later one, else at size().
            iterator& seek(std::uint32_t chunk) noexcept;
            iterator& stand(std::uint32_t chunk, std::uint64_t x) noexcept {
                ahead_ = x;
                bit_ = chunk * 64 + static_cast<std::uint32_t>(std::countr_zero(x));
                return *this;
            }

            const ZELMAR_FLAGROW* vector_ = nullptr;
            std::uint32_t bit_ = 0;
            std::uint64_t ahead_ = 0;
        };

        /// At the lowest set bit, or end() when no bit is set.
        iterator begin() const noexcept { return iterator(vector_, 0).seek(0); }
        /// Past the last set bit: at the vector's size.
        iterator end() const noexcept { return {vector_, vector_->size()}; }

    private:
        friend class ZELMAR_FLAGROW;
        explicit SetBitsView(const ZELMAR_FLAGROW* vector) noexcept : vector_(vector) {}
        const ZELMAR_FLAGROW* vector_;
    };
    /// The set bits in ascending order: for (std::uint32_t i : v.set_bits()) ...
    SetBitsView set_bits() const noexcept { return SetBitsView(this); }

    // ---- Range counts [i, j] under the rules of test(i, j) --------------------

    /// The number of set bits among i to j. Throws 1 on an empty vector, else 4 as vkl(i, j).
    std::uint32_t schet(std::uint32_t i, std::uint32_t j) const;
    /// Whether every bit of i to j is set. Throws 1 on an empty vector, else 4 as vkl(i, j).
    bool all(std::uint32_t i, std::uint32_t j) const;

    // ---- Set algebra over the bits both vectors have ----------------------------

    /// Whether some bit is set in both.
    bool intersects(const ZELMAR_FLAGROW& other) const noexcept;
    /// Whether every set bit of this one is set in `other`; bits past other's size must be clear.
    bool is_subset_of(const ZELMAR_FLAGROW& other) const noexcept;
    /// The number of set bits of *this & other, counted without building it: 0 when either is
    /// empty.
    std::uint32_t count_and(const ZELMAR_FLAGROW& other) const noexcept;
    /// The number of set bits of *this | other, counted without building it.
    std::uint32_t count_or(const ZELMAR_FLAGROW& other) const noexcept;
    /// The number of set bits of *this ^ other, counted without building it.
    std::uint32_t count_xor(const ZELMAR_FLAGROW& other) const noexcept;
    /// The number of set bits of *this - other, counted without building it.
    std::uint32_t count_subtract(const ZELMAR_FLAGROW& other) const noexcept;
    /// Clears the bits set in `r` among bits 0 .. min(size, r.size) - 1; the other bits stay.
    ZELMAR_FLAGROW& operator-=(const ZELMAR_FLAGROW& r) noexcept;
    /// The bits of `a` not set in `b`, the size the smaller operand's. Throws 6.
    friend ZELMAR_FLAGROW operator-(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    /// A number is no operand, as for the other operators.
    template <detail::Number T>
    ZELMAR_FLAGROW& operator-=(T) = delete;
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator-(const ZELMAR_FLAGROW&, T) = delete;
    template <detail::Number T>
    friend ZELMAR_FLAGROW operator-(T, const ZELMAR_FLAGROW&) = delete;

    // ---- Growth keeping the bits --------------------------------------------
    // Up to 128 bits are held inside the object, with no heap (capacity() is 128 then). Past that,
    // spare storage may be kept past razmerUL() words; nado and copies hold exactly razmerUL().

    /// Re-sizes to `n` bits keeping bits 0 .. min(n, razmer()) - 1; new bits are `value`.
    /// Throws 6 (the vector unchanged).
    ZELMAR_FLAGROW& resize(std::uint32_t n, bool value = false);
    /// Appends one bit, amortised O(1). Throws 6 when out of memory or at 4294967295 bits (the
    /// vector unchanged).
    ZELMAR_FLAGROW& push_back(bool value);
    /// Drops the last bit; the storage stays. Throws 1 on an empty vector.
    ZELMAR_FLAGROW& pop_back();
    /// Makes the storage hold at least `bits` bits, keeping the bits. Throws 6 (the vector
    /// unchanged).
    void reserve(std::uint32_t bits);
    /// The bits the storage holds, razmer() or more.
    std::uint32_t capacity() const noexcept { return capacityBits; }

    // ---- Many listed bits ---------------------------------------------------
    // Every index is checked first: throws 4 (the vector unchanged) if any is >= razmer().
    // Duplicates and any order are allowed; the list is caller memory (6 when it cannot be
    // copied aside).

    /// Sets the listed bits.
    ZELMAR_FLAGROW& vkl(std::span<const std::uint32_t> bits);
    /// Clears the listed bits.
    ZELMAR_FLAGROW& otkl(std::span<const std::uint32_t> bits);
    /// Flips each listed bit once per listing: a bit listed twice is flipped twice.
    ZELMAR_FLAGROW& invert(std::span<const std::uint32_t> bits);

    // ---- Binary form ----------------------------------------------------------
    // The layout is in docs/binary_format.md: little-endian on every platform.

    /// Writes the binary form. A short write sets badbit; an exception of the stream buffer sets
    /// badbit and is rethrown when badbit is in out.exceptions().
    void save(std::ostream& out) const;
    /// Replaces the vector by the binary form read from `in`. A truncated, corrupted, foreign or
    /// newer stream sets failbit and leaves the vector unchanged; an exception of the stream
    /// buffer sets badbit and is rethrown when badbit is in in.exceptions(). Throws 6 (the vector
    /// unchanged).
    void load(std::istream& in);

private:
    /// Throws _ZELMAR_FLAGROW; kept out of line so the one-bit members stay small.
    [[noreturn]] static void raise(std::int32_t code, const char* file, std::int32_t line);

    /// A span's length as a word count: past the largest count it is as long as any can be.
    static std::uint32_t spanCount(std::size_t size) noexcept {
        return size < kMaxBits ? static_cast<std::uint32_t>(size) : kMaxBits;
    }
    /// Whether the header's inline loops of up to `most` words take this vector.
    bool isShort(std::uint32_t most = detail::kShortWords) const noexcept {
        return detail::inlineLoopsTake(bitCount, most);
    }
    /// vkl, otkl and invert of a range.
    ZELMAR_FLAGROW& changeRange(std::uint32_t i, std::uint32_t j, detail::RangeOp op);

    // The members out of line that the inline paths of the header hand a long or empty vector
    // and every call that throws: the same word arithmetic with the kernels, and the raises.
    bool testLong() const;
    bool testLong(std::uint32_t i, std::uint32_t j) const;
    std::uint32_t schetLong() const;
    /// test() and schet() past their empty check, for the members that must not throw.
    bool anySet() const noexcept;
    std::uint32_t setCount() const noexcept;
    ZELMAR_FLAGROW& combineLong(const ZELMAR_FLAGROW& r, detail::Combination how) noexcept;
    bool intersectsLong(const ZELMAR_FLAGROW& other) const noexcept;
    bool isSubsetLong(const ZELMAR_FLAGROW& other) const noexcept;
    ZELMAR_FLAGROW& shiftDownLong(std::uint32_t n) noexcept;
    ZELMAR_FLAGROW& shiftUpLong(std::uint32_t n) noexcept;
    ZELMAR_FLAGROW& changeRangeLong(std::uint32_t i, std::uint32_t j, detail::RangeOp op);
    static bool equalLong(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    std::uint32_t expULLong(std::uint32_t* buffer, std::uint32_t count, std::uint32_t from,
                            std::uint32_t to) const;
    /// Frees the words and leaves the vector empty, as the destructor does.
    void release() noexcept;
    /// Frees the words and takes `fresh`, already holding the words of `bits` bits, instead: a
    /// heap array, or words that fit inside the object, which are copied there.
    void adopt(std::uint32_t* fresh, std::uint32_t bits) noexcept;
    /// Storage for exactly `count` words, the old bits gone: inside the object when they fit, else
    /// on the heap, where an array of that length is kept. Throws 6, the vector then empty.
    void holdExactly(std::size_t count);

    /// A count that no store of a word can reach: an enumeration may not alias a uint32_t, so in
    /// a loop of one-bit changes the compiler keeps the counts in registers instead of reading
    /// them back after every store. It reads and converts as a std::uint32_t.
    class Count {
    public:
        constexpr Count() noexcept = default;
        constexpr Count& operator=(std::uint32_t n) noexcept {
            n_ = static_cast<Held>(n);
            return *this;
        }
        constexpr operator std::uint32_t() const noexcept { return static_cast<std::uint32_t>(n_); }

    private:
        enum class Held : std::uint32_t {};
        Held n_{};
    };

    std::uint32_t* words = nullptr;
    Count wordCount;
    Count bitCount;
    /// Bits the storage holds: words has wordsFor(capacityBits) words, at least wordCount.
    Count capacityBits;
    /// The storage of a vector of up to kInsideWords words: words points here, or to the heap.
    /// Aligned as a heap array is, so that no 64-bit access to a pair of words splits.
    alignas(std::uint64_t) std::uint32_t insideWords[detail::kInsideWords] = {};

    /// Moves the words into storage of `held` words (at least wordCount): inside the object when
    /// they fit. Throws 6, the vector unchanged.
    void reallocate(std::size_t held);
    /// Makes room for `bits` bits, growing the storage geometrically. Throws 6.
    void makeRoom(std::uint64_t bits);
};

// The one-bit members: one bound check, one word read and, for the modifiers, written back.
// Their errors name this header. The storage is read before the check so that a loop of them
// reads it once.

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::vkl(std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, detail::kPublicHeader, __LINE__);
    w[i >> 5] |= std::uint32_t{1} << (i & 31);
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::otkl(std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, detail::kPublicHeader, __LINE__);
    w[i >> 5] &= ~(std::uint32_t{1} << (i & 31));
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::invert(std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, detail::kPublicHeader, __LINE__);
    w[i >> 5] ^= std::uint32_t{1} << (i & 31);
    return *this;
}

inline bool ZELMAR_FLAGROW::test(std::uint32_t i) const {
    const std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, detail::kPublicHeader, __LINE__);
    return (w[i >> 5] >> (i & 31)) & 1u;
}

inline ZELMAR_FLAGROW::reference ZELMAR_FLAGROW::operator[](std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, detail::kPublicHeader, __LINE__);
    return {w + (i >> 5), i & 31};
}

}  // namespace Quandrelissa

#include "zelmar_flagrow/set_bits.h"
#include "zelmar_flagrow/short_paths.h"

/// Hashes the size and the meaningful bits; equal vectors hash alike.
template <>
struct std::hash<Quandrelissa::ZELMAR_FLAGROW> {
    /// The hash of `v`.
    std::size_t operator()(const Quandrelissa::ZELMAR_FLAGROW& v) const noexcept;
};

#include "zelmar_flagrow/keys.h"

#endif  // ZELMAR_FLAGROW_H
