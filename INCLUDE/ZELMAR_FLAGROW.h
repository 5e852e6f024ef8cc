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
#ifndef ZELMAR_FLAGROW_H
#define ZELMAR_FLAGROW_H

#include <bit>
#include <concepts>
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
    _ZELMAR_FLAGROW(const _ZELMAR_FLAGROW&) noexcept = default;
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

/// The set bits of a 64-bit word. Where the build may not assume the popcnt instruction,
/// std::popcount becomes a library call; the classic in-register sum stays within a small factor
/// of the instruction.
constexpr unsigned popcount64(std::uint64_t x) noexcept {
#if defined(__POPCNT__)
    return static_cast<unsigned>(std::popcount(x));
#else
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<unsigned>((x * 0x0101010101010101u) >> 56);
#endif
}

/// The set bits of words 0 .. n - 1, two words a step.
constexpr std::uint64_t popcountWords(const std::uint32_t* w, std::size_t n) noexcept {
    std::uint64_t total = 0;
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2) total += popcount64(w[i] | std::uint64_t{w[i + 1]} << 32);
    if (i < n) total += popcount64(w[i]);
    return total;
}
}  // namespace detail

class ZELMAR_FLAGROW {
public:
    /// Largest possible size: every 32-bit bit count is allowed.
    static constexpr std::uint32_t kMaxBits = 0xFFFFFFFFu;
    /// "Up to the end" as a count, or "the last bit" as a range end.
    static constexpr std::uint32_t kToEnd = 0xFFFFFFFFu;

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
    /// Takes the storage of `other`, which is left empty.
    ZELMAR_FLAGROW(ZELMAR_FLAGROW&& other) noexcept;
    /// Releases the storage.
    virtual ~ZELMAR_FLAGROW();

    /// Deep copy. Assigning an empty vector leaves this one unchanged. Throws 6 (this one is then
    /// empty).
    ZELMAR_FLAGROW& operator=(const ZELMAR_FLAGROW& other);
    /// Takes the storage of `other`, which is left empty.
    ZELMAR_FLAGROW& operator=(ZELMAR_FLAGROW&& other) noexcept;

    /// Re-sizes to `n` bits by the fill convention; the old bits are gone. n = 0 changes nothing.
    /// Throws 6, after which the vector is empty.
    ZELMAR_FLAGROW& nado(std::uint32_t n, std::int32_t fill = 0);
    /// Re-sizes to `n` bits (n = 0: keeps the size) and lays `pattern` over them cyclically; the
    /// pattern may lie in this vector's storage. An empty pattern empties the vector. Throws 4
    /// (length past the pattern, nothing changed), 2 (null pattern, after the re-size), 6.
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
    /// end), reading no character at or past start + count; an empty text empties it. The text
    /// may lie in this vector's storage. Throws 2 (null), 4 (start or start + count past the
    /// text), 6.
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
    /// is too small. The buffer may be or overlap this vector's storage (data()): it is read as
    /// it was before the call. Throws 4 when to < from (on an empty vector also for to -1 and
    /// from > 0), 2 for a null buffer that would be read, 6 (the vector then unchanged).
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

    /// The key order (zelmar_flagrow/keys.h) compares whole words and masks the last one.
    friend struct LessBySizeThenBits;

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
        std::swap(words, other.words);
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
        class iterator {
        public:
            using value_type = std::uint32_t;
            using difference_type = std::ptrdiff_t;
            using iterator_concept = std::forward_iterator_tag;
            using iterator_category = std::forward_iterator_tag;

            iterator() = default;
            std::uint32_t operator*() const noexcept { return bit_; }
            iterator& operator++() noexcept {
                bit_ = vector_->find_next(bit_);
                return *this;
            }
            iterator operator++(int) noexcept {
                iterator before = *this;
                ++*this;
                return before;
            }
            friend bool operator==(const iterator& a, const iterator& b) noexcept {
                return a.bit_ == b.bit_;
            }

        private:
            friend class SetBitsView;
            iterator(const ZELMAR_FLAGROW* vector, std::uint32_t bit) noexcept
                : vector_(vector), bit_(bit) {}
            const ZELMAR_FLAGROW* vector_ = nullptr;
            std::uint32_t bit_ = 0;
        };

        iterator begin() const noexcept { return {vector_, vector_->find_first()}; }
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
    /// Clears the bits set in `r` among bits 0 .. min(size, r.size) - 1; the other bits stay.
    ZELMAR_FLAGROW& operator-=(const ZELMAR_FLAGROW& r) noexcept;
    /// The bits of `a` not set in `b`, the size the smaller operand's. Throws 6.
    friend ZELMAR_FLAGROW operator-(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    /// An integer would silently become a vector of that many zeros.
    ZELMAR_FLAGROW& operator-=(std::integral auto) = delete;
    friend ZELMAR_FLAGROW operator-(const ZELMAR_FLAGROW&, std::integral auto) = delete;
    friend ZELMAR_FLAGROW operator-(std::integral auto, const ZELMAR_FLAGROW&) = delete;

    // ---- Growth keeping the bits --------------------------------------------
    // Spare storage may be kept past razmerUL() words; nado and copies hold exactly razmerUL().

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
    // Duplicates and any order are allowed.

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

    /// A vector of at most this many words is done by the inline word loops of this header: no
    /// call, no look-up of the kernel table. Longer ones, and every call that throws, go to the
    /// members out of line (the ...Long ones), whose kernels win once a few registers are full.
    static constexpr std::uint32_t kShortWords = 32;
    /// The count without popcnt and the shifts' funnel take a dozen steps a word in the inline
    /// loops, and glibc's memcmp and memmove are wider than the compiler's loops for the default
    /// target: past this many words the kernels, memcmp and memmove are faster.
    static constexpr std::uint32_t kFewWords = 8;
    /// A span's length as a word count: past the largest count it is as long as any can be.
    static std::uint32_t spanCount(std::size_t size) noexcept {
        return size < kMaxBits ? static_cast<std::uint32_t>(size) : kMaxBits;
    }
    /// Non-empty and at most `most` words long.
    bool isShort(std::uint32_t most = kShortWords) const noexcept { return wordCount - 1u < most; }
    /// The meaningful bits of the last word.
    std::uint32_t lastMask() const noexcept { return ~std::uint32_t{0} >> (-bitCount & 31u); }
    bool anyShort() const noexcept;
    std::uint32_t countShort() const noexcept;
    template <class Op>
    void combineShort(const ZELMAR_FLAGROW& r, Op op) noexcept;
    void shiftDownShort(std::uint32_t n) noexcept;
    void shiftUpShort(std::uint32_t n) noexcept;
    /// Whether i .. j is a valid range of a short vector; then `end` is one past its last bit.
    bool shortRange(std::uint32_t i, std::uint32_t j, std::uint32_t& end) const noexcept;
    template <class Op>
    void rangeShort(std::uint32_t first, std::uint32_t end, Op op) noexcept;
    /// The bits of `b`, of the same size as this short vector, are this one's.
    bool equalShort(const ZELMAR_FLAGROW& b) const noexcept;
    /// Whether op(word, x's word) has a set bit among the first `bits` bits, 1 .. 32 words' worth.
    template <class Op>
    bool anyCombinedShort(const std::uint32_t* x, std::uint32_t bits, Op op) const noexcept;

    bool testLong() const;
    bool testLong(std::uint32_t i, std::uint32_t j) const;
    std::uint32_t schetLong() const;
    /// test() and schet() past their empty check, for the members that must not throw.
    bool anySet() const noexcept;
    std::uint32_t setCount() const noexcept;
    ZELMAR_FLAGROW& andLong(const ZELMAR_FLAGROW& r) noexcept;
    ZELMAR_FLAGROW& orLong(const ZELMAR_FLAGROW& r) noexcept;
    ZELMAR_FLAGROW& xorLong(const ZELMAR_FLAGROW& r) noexcept;
    ZELMAR_FLAGROW& subtractLong(const ZELMAR_FLAGROW& r) noexcept;
    bool intersectsLong(const ZELMAR_FLAGROW& other) const noexcept;
    bool isSubsetLong(const ZELMAR_FLAGROW& other) const noexcept;
    ZELMAR_FLAGROW& shiftDownLong(std::uint32_t n) noexcept;
    ZELMAR_FLAGROW& shiftUpLong(std::uint32_t n) noexcept;
    ZELMAR_FLAGROW& vklLong(std::uint32_t i, std::uint32_t j);
    ZELMAR_FLAGROW& otklLong(std::uint32_t i, std::uint32_t j);
    ZELMAR_FLAGROW& invertLong(std::uint32_t i, std::uint32_t j);
    static bool equalLong(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b);
    std::uint32_t expULLong(std::uint32_t* buffer, std::uint32_t count, std::uint32_t from,
                            std::uint32_t to) const;
    /// Frees the words and leaves the vector empty, as the destructor does.
    void release() noexcept;
    /// Frees the words and takes `fresh`, already holding the words of `bits` bits, instead.
    void adopt(std::uint32_t* fresh, std::uint32_t bits) noexcept;

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

    /// Moves the words into a new array of `held` words (at least wordCount). Throws 6, the
    /// vector unchanged.
    void reallocate(std::size_t held);
    /// Makes room for `bits` bits, growing the storage geometrically. Throws 6.
    void makeRoom(std::uint64_t bits);
    /// push_back once the storage is full.
    ZELMAR_FLAGROW& pushBackGrowing(bool value);
};

// The one-bit members: one bound check, one word read and, for the modifiers, written back.
// Their errors name this header. The storage is read before the check so that a loop of them
// reads it once.

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::vkl(std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, "INCLUDE/ZELMAR_FLAGROW.h", __LINE__);
    w[i >> 5] |= std::uint32_t{1} << (i & 31);
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::otkl(std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, "INCLUDE/ZELMAR_FLAGROW.h", __LINE__);
    w[i >> 5] &= ~(std::uint32_t{1} << (i & 31));
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::invert(std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, "INCLUDE/ZELMAR_FLAGROW.h", __LINE__);
    w[i >> 5] ^= std::uint32_t{1} << (i & 31);
    return *this;
}

inline bool ZELMAR_FLAGROW::test(std::uint32_t i) const {
    const std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, "INCLUDE/ZELMAR_FLAGROW.h", __LINE__);
    return (w[i >> 5] >> (i & 31)) & 1u;
}

inline ZELMAR_FLAGROW::reference ZELMAR_FLAGROW::operator[](std::uint32_t i) {
    std::uint32_t* const w = words;
    if (i >= bitCount) [[unlikely]]
        raise(_ZELMAR_FLAGROW::kOutOfRange, "INCLUDE/ZELMAR_FLAGROW.h", __LINE__);
    return {w + (i >> 5), i & 31};
}

// ---- Short vectors: inline word loops ---------------------------------------------------
// Each member below does a vector of at most kShortWords words here, and leaves a longer one,
// an empty one and every call that throws to its ...Long counterpart out of line, which checks
// and raises as before. The loops read the counts once, so that they run in registers.

inline bool ZELMAR_FLAGROW::anyShort() const noexcept {
    const std::uint32_t* const w = words;
    const std::uint32_t last = wordCount - 1u;
    std::uint32_t seen = w[last] & lastMask();
    for (std::uint32_t k = 0; k < last; ++k) seen |= w[k];
    return seen != 0;
}

inline bool ZELMAR_FLAGROW::test() const { return isShort() ? anyShort() : testLong(); }

inline bool ZELMAR_FLAGROW::any() const noexcept {
    return isShort() ? anyShort() : bitCount != 0 && anySet();
}

inline std::uint32_t ZELMAR_FLAGROW::countShort() const noexcept {
    const std::uint32_t last = wordCount - 1u;
    return static_cast<std::uint32_t>(detail::popcountWords(words, last) +
                                      detail::popcount64(words[last] & lastMask()));
}

inline std::uint32_t ZELMAR_FLAGROW::schet() const {
    return isShort(kFewWords) ? countShort() : schetLong();
}

inline std::uint32_t ZELMAR_FLAGROW::count() const noexcept {
    if (isShort(kFewWords)) return countShort();
    return bitCount == 0 ? 0 : setCount();
}

inline bool ZELMAR_FLAGROW::equalShort(const ZELMAR_FLAGROW& b) const noexcept {
    const std::uint32_t last = wordCount - 1u;
    std::uint32_t differ = (words[last] ^ b.words[last]) & lastMask();
    if (last > kFewWords)
        return differ == 0 && std::memcmp(words, b.words, std::size_t{last} * 4) == 0;
    for (std::uint32_t k = 0; k < last; ++k) differ |= words[k] ^ b.words[k];
    return differ == 0;
}

inline bool operator==(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    if (a.bitCount == b.bitCount && a.isShort()) return a.equalShort(b);
    return ZELMAR_FLAGROW::equalLong(a, b);
}

// Whole words of the left operand; a shorter right operand reaches only its own bits, the part
// of its last word above its size leaving the left operand's bits there alone.
template <class Op>
inline void ZELMAR_FLAGROW::combineShort(const ZELMAR_FLAGROW& r, Op op) noexcept {
    std::uint32_t* const w = words;
    const std::uint32_t* const x = r.words;
    const std::uint32_t rBits = r.bitCount;
    if (rBits >= bitCount) {
        // Two words a step, as one 64-bit word: half the steps a short vector takes.
        const std::uint32_t n = wordCount;
        std::uint32_t k = 0;
        for (; k + 2 <= n; k += 2) {
            std::uint64_t a = 0;
            std::uint64_t b = 0;
            std::memcpy(&a, w + k, sizeof a);
            std::memcpy(&b, x + k, sizeof b);
            a = op(a, b);
            std::memcpy(w + k, &a, sizeof a);
        }
        if (k < n) w[k] = op(w[k], x[k]);
        return;
    }
    if (rBits == 0) return;
    const std::uint32_t n = (rBits + 31) / 32;
    const std::uint32_t mask = ~std::uint32_t{0} >> (-rBits & 31u);
    const std::uint32_t before = w[n - 1];
    for (std::uint32_t k = 0; k < n; ++k) w[k] = op(w[k], x[k]);
    w[n - 1] = (before & ~mask) | (w[n - 1] & mask);
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator&=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return andLong(r);
    combineShort(r, [](auto a, auto b) { return a & b; });
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator|=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return orLong(r);
    combineShort(r, [](auto a, auto b) { return a | b; });
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator^=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return xorLong(r);
    combineShort(r, [](auto a, auto b) { return a ^ b; });
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator-=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return subtractLong(r);
    combineShort(r, [](auto a, auto b) { return a & ~b; });
    return *this;
}

template <class Op>
inline bool ZELMAR_FLAGROW::anyCombinedShort(const std::uint32_t* x, std::uint32_t bits,
                                             Op op) const noexcept {
    const std::uint32_t* const w = words;
    const std::uint32_t last = (bits - 1) >> 5;
    std::uint32_t seen = op(w[last], x[last]) & (~std::uint32_t{0} >> (-bits & 31u));
    for (std::uint32_t k = 0; k < last; ++k) seen |= op(w[k], x[k]);
    return seen != 0;
}

inline bool ZELMAR_FLAGROW::intersects(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    if (common == 0 || common > kShortWords * 32) return intersectsLong(other);
    return anyCombinedShort(other.words, common,
                            [](std::uint32_t a, std::uint32_t b) { return a & b; });
}

// Short here only where other covers this one, so that no bit lies past other's size.
inline bool ZELMAR_FLAGROW::is_subset_of(const ZELMAR_FLAGROW& other) const noexcept {
    if (!isShort() || other.bitCount < bitCount) return isSubsetLong(other);
    return !anyCombinedShort(other.words, bitCount,
                             [](std::uint32_t a, std::uint32_t b) { return a & ~b; });
}

// The shifts by a funnel of each word pair taken as one 64-bit word, so that a move by whole
// words needs no case of its own. The words that take two source words come out of a loop with
// no test in it; the one with a single source word and the vacated ones out of a second loop,
// whose read keeps it from becoming a call of memset. The last word is masked first so that its
// storage bits never reach a meaningful bit; towards bit 0 the words are written in ascending
// order, away from it in descending order, each read before it is overwritten. n is
// 1 .. razmer() - 1.
inline void ZELMAR_FLAGROW::shiftDownShort(std::uint32_t n) noexcept {
    std::uint32_t* const w = words;
    const std::uint32_t count = wordCount;
    const std::uint32_t k = n >> 5;
    const std::uint32_t b = n & 31;
    const std::uint32_t keep = count - k;  // words that take data, at least 1 as n < razmer()
    w[count - 1] &= lastMask();
    for (std::uint32_t i = 0; i + 1 < keep; ++i)
        w[i] = static_cast<std::uint32_t>((std::uint64_t{w[i + k + 1]} << 32 | w[i + k]) >> b);
    for (std::uint32_t i = keep - 1; i < count; ++i) w[i] = i + k < count ? w[i + k] >> b : 0;
}

inline void ZELMAR_FLAGROW::shiftUpShort(std::uint32_t n) noexcept {
    std::uint32_t* const w = words;
    const std::uint32_t k = n >> 5;
    const std::uint32_t b = n & 31;
    for (std::uint32_t i = wordCount - 1; i > k; --i)
        w[i] =
            static_cast<std::uint32_t>((std::uint64_t{w[i - k]} << 32 | w[i - k - 1]) << b >> 32);
    for (std::uint32_t i = k + 1; i-- > 0;) w[i] = i == k ? w[0] << b : 0;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator<<=(std::uint32_t n) noexcept {
    if (!isShort(kFewWords) || n == 0 || n >= bitCount) return shiftDownLong(n);
    shiftDownShort(n);
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator>>=(std::uint32_t n) noexcept {
    if (!isShort(kFewWords) || n == 0 || n >= bitCount) return shiftUpLong(n);
    shiftUpShort(n);
    return *this;
}

// j past the end means the last bit, as for every range; a range that would throw is left to the
// members out of line, where the checks of every range stand.
inline bool ZELMAR_FLAGROW::shortRange(std::uint32_t i, std::uint32_t j,
                                       std::uint32_t& end) const noexcept {
    end = j < bitCount ? j + 1 : bitCount;
    return isShort() && i < end;
}

// Bits first .. end - 1, first < end. A few words go in one loop with the masks in it: a loop
// of whole words alone would become a call of memset, which pays only on longer runs.
template <class Op>
inline void ZELMAR_FLAGROW::rangeShort(std::uint32_t first, std::uint32_t end, Op op) noexcept {
    constexpr std::uint32_t kAll = ~std::uint32_t{0};
    std::uint32_t* const w = words;
    const std::uint32_t fw = first >> 5;
    const std::uint32_t lw = (end - 1) >> 5;
    const std::uint32_t head = kAll << (first & 31);
    const std::uint32_t tail = kAll >> (-end & 31u);
    if (lw - fw < kFewWords) {
        for (std::uint32_t k = fw; k <= lw; ++k)
            w[k] = op(w[k], (k == fw ? head : kAll) & (k == lw ? tail : kAll));
        return;
    }
    w[fw] = op(w[fw], head);
    for (std::uint32_t k = fw + 1; k < lw; ++k) w[k] = op(w[k], kAll);
    w[lw] = op(w[lw], tail);
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::vkl(std::uint32_t i, std::uint32_t j) {
    std::uint32_t end = 0;
    if (!shortRange(i, j, end)) return vklLong(i, j);
    rangeShort(i, end, [](std::uint32_t a, std::uint32_t m) { return a | m; });
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::otkl(std::uint32_t i, std::uint32_t j) {
    std::uint32_t end = 0;
    if (!shortRange(i, j, end)) return otklLong(i, j);
    rangeShort(i, end, [](std::uint32_t a, std::uint32_t m) { return a & ~m; });
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::invert(std::uint32_t i, std::uint32_t j) {
    std::uint32_t end = 0;
    if (!shortRange(i, j, end)) return invertLong(i, j);
    rangeShort(i, end, [](std::uint32_t a, std::uint32_t m) { return a ^ m; });
    return *this;
}

inline bool ZELMAR_FLAGROW::test(std::uint32_t i, std::uint32_t j) const {
    std::uint32_t end = 0;
    if (!shortRange(i, j, end)) return testLong(i, j);
    constexpr std::uint32_t kAll = ~std::uint32_t{0};
    const std::uint32_t* const w = words;
    const std::uint32_t fw = i >> 5;
    const std::uint32_t lw = (end - 1) >> 5;
    const std::uint32_t head = kAll << (i & 31);
    const std::uint32_t tail = kAll >> (-end & 31u);
    if (fw == lw) return (w[fw] & head & tail) != 0;
    std::uint32_t seen = (w[fw] & head) | (w[lw] & tail);
    for (std::uint32_t k = fw + 1; k < lw; ++k) seen |= w[k];
    return seen != 0;
}

// The whole of a short vector into a buffer that takes it: the words, the last one masked, and
// zeros after them. Any range, an empty vector and a buffer too small go out of line.
inline std::uint32_t ZELMAR_FLAGROW::expUL(std::uint32_t* buffer, std::uint32_t count,
                                           std::uint32_t from, std::uint32_t to) const {
    const std::uint32_t n = wordCount;
    if ((from & to) != kToEnd || !isShort() || buffer == nullptr || count < n)
        return expULLong(buffer, count, from, to);
    const std::uint32_t* const w = words;
    if (n - 1 > kFewWords) {
        std::memmove(buffer, w, (n - 1) * sizeof(std::uint32_t));
    } else {
        for (std::uint32_t k = 0; k + 1 < n; ++k) buffer[k] = w[k];
    }
    buffer[n - 1] = w[n - 1] & lastMask();
    for (std::uint32_t k = n; k < count; ++k) buffer[k] = 0;
    return 0;
}

// The buffer over the whole of a short vector, the storage bits of its last word kept. A buffer
// that overlaps the storage starts within it, so the ascending loop reads every word before it
// writes over it, as the contract's "read as it was before the call" needs.
inline std::uint32_t ZELMAR_FLAGROW::impUL(const std::uint32_t* buffer, std::uint32_t count) {
    const std::uint32_t n = wordCount;
    if (!isShort() || buffer == nullptr || count < n) return impUL(0, kToEnd, buffer, count);
    std::uint32_t* const w = words;
    if (n - 1 > kFewWords) {
        std::memmove(w, buffer, (n - 1) * sizeof(std::uint32_t));
    } else {
        for (std::uint32_t k = 0; k + 1 < n; ++k) w[k] = buffer[k];
    }
    const std::uint32_t mask = lastMask();
    w[n - 1] = (w[n - 1] & ~mask) | (buffer[n - 1] & mask);
    return 0;
}

// The span forms inline too, so that a short vector meets no call on their way to the loops.
inline std::uint32_t ZELMAR_FLAGROW::expUL(std::span<std::uint32_t> buffer, std::uint32_t from,
                                           std::uint32_t to) const {
    return expUL(buffer.data(), spanCount(buffer.size()), from, to);
}

inline std::uint32_t ZELMAR_FLAGROW::impUL(std::span<const std::uint32_t> buffer) {
    return impUL(buffer.data(), spanCount(buffer.size()));
}

inline std::uint32_t ZELMAR_FLAGROW::impUL(std::uint32_t from, std::uint32_t to,
                                           std::span<const std::uint32_t> buffer) {
    return impUL(from, to, buffer.data(), spanCount(buffer.size()));
}

// Inline so that a loop of push_back keeps its counters in registers: one compare, one word
// written, and the storage grows out of line.
inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::push_back(bool value) {
    if (bitCount >= capacityBits) [[unlikely]]
        return pushBackGrowing(value);
    const std::uint32_t i = bitCount;
    const std::uint32_t bit = std::uint32_t{1} << (i & 31);
    std::uint32_t& word = words[i >> 5];
    word = (word & ~bit) | (static_cast<std::uint32_t>(value) << (i & 31));
    bitCount = i + 1;
    wordCount = (i >> 5) + 1;
    return *this;
}

}  // namespace Quandrelissa

/// Hashes the size and the meaningful bits; equal vectors hash alike.
template <>
struct std::hash<Quandrelissa::ZELMAR_FLAGROW> {
    std::size_t operator()(const Quandrelissa::ZELMAR_FLAGROW& v) const noexcept;
};

#include "zelmar_flagrow/keys.h"

#endif  // ZELMAR_FLAGROW_H
