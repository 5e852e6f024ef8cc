// A slow, obvious model of ZELMAR_FLAGROW for differential tests and fuzzing.
//
// Every operation is done one bit at a time, the plainest way the contract allows, so that the
// word and SIMD kernels of the real class have something independent to be compared with. The
// member names, signatures, default arguments and error codes are those of the class, so one
// template can drive both; the errors name this file. Storage bits past the size are kept the way
// the class keeps them where that is cheap (fill 1, whole-vector flips, copies), but they carry
// no meaning: compare the two only through compare.h.
//
// Uninitialised sizing (fill -1) writes a poison pattern; a test that needs the model to follow
// the class after it copies the class's words in with adoptStorage().
#ifndef ZELMAR_FLAGROW_TESTS_REFERENCE_MODEL_H
#define ZELMAR_FLAGROW_TESTS_REFERENCE_MODEL_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ZELMAR_FLAGROW.h"

namespace zf_test {

class ReferenceVector {
public:
    /// Largest possible size.
    static constexpr std::uint32_t kMaxBits = 0xFFFFFFFFu;
    /// "Up to the end" as a count, or "the last bit" as a range end.
    static constexpr std::uint32_t kToEnd = 0xFFFFFFFFu;

    /// Words that hold `n` bits.
    static std::uint32_t wordsFor(std::uint64_t n) {
        return static_cast<std::uint32_t>(n / 32 + (n % 32 != 0 ? 1 : 0));
    }

    /// `n` bits by the fill convention (0 zeros, -1 poison, other ones).
    ReferenceVector(std::uint32_t n = 0, std::int32_t fill = 0) { nado(n, fill); }
    /// `n` bits from `pattern` repeated; n = 0 ignores the pattern.
    ReferenceVector(std::uint32_t n, const char* pattern, std::uint32_t length = 0) {
        if (n != 0) nado(n, pattern, length);
    }
    /// impStr(text, start, count).
    ReferenceVector(const char* text, std::uint32_t start = 0, std::uint32_t count = kToEnd) {
        impStr(text, start, count);
    }
    /// One bit per character, '0' clear and anything else set.
    explicit ReferenceVector(std::string_view text) {
        if (text.size() > kMaxBits) fail(6, __LINE__);
        if (text.empty()) return;
        nado(static_cast<std::uint32_t>(text.size()), 0);
        for (std::uint32_t i = 0; i < bitCount; ++i) putBit(i, text[i] != '0');
    }
    /// Deep copy, storage bits past the size included.
    ReferenceVector(const ReferenceVector&) = default;
    /// Takes the storage; `other` is left empty.
    ReferenceVector(ReferenceVector&& other) noexcept
        : words(std::exchange(other.words, {})), bitCount(std::exchange(other.bitCount, 0)) {}
    ~ReferenceVector() = default;

    /// Deep copy; an empty `other` changes nothing.
    ReferenceVector& operator=(const ReferenceVector& other) {
        if (this == &other || other.bitCount == 0) return *this;
        words = other.words;
        bitCount = other.bitCount;
        return *this;
    }
    /// Takes the storage; `other` is left empty.
    ReferenceVector& operator=(ReferenceVector&& other) noexcept {
        if (this == &other) return *this;
        words = std::exchange(other.words, {});
        bitCount = std::exchange(other.bitCount, 0);
        return *this;
    }

    /// Re-sizes to `n` bits by the fill convention; n = 0 changes nothing.
    ReferenceVector& nado(std::uint32_t n, std::int32_t fill = 0) {
        if (n == 0) return *this;
        release();
        bitCount = n;
        words.resize(wordsFor(n));
        if (fill == -1) {
            for (std::size_t w = 0; w < words.size(); ++w) words[w] = poison(w);
        } else {
            for (std::uint32_t& word : words) word = fill != 0 ? 0xFFFFFFFFu : 0u;
        }
        return *this;
    }
    /// Re-sizes (n = 0 keeps the size) and lays `pattern` over the bits cyclically.
    ReferenceVector& nado(std::uint32_t n, const char* pattern, std::uint32_t length = 0) {
        if (pattern != nullptr && length > std::strlen(pattern)) fail(4, __LINE__);
        nado(n, -1);
        if (pattern == nullptr) fail(2, __LINE__);
        if (length == 0) length = static_cast<std::uint32_t>(std::strlen(pattern));
        if (length == 0) {
            release();
            return *this;
        }
        otkl();
        for (std::uint32_t i = 0; i < bitCount; ++i) putBit(i, pattern[i % length] != '0');
        return *this;
    }

    /// Sets bit i; 4 when i >= razmer().
    ReferenceVector& vkl(std::uint32_t i) {
        check(i);
        return putBit(i, true);
    }
    /// Clears bit i; 4 when i >= razmer().
    ReferenceVector& otkl(std::uint32_t i) {
        check(i);
        return putBit(i, false);
    }
    /// Flips bit i; 4 when i >= razmer().
    ReferenceVector& invert(std::uint32_t i) {
        check(i);
        return putBit(i, !bit(i));
    }
    /// Bit i; 4 when i >= razmer().
    bool test(std::uint32_t i) const {
        check(i);
        return bit(i);
    }

    /// Writes bit i; 4 when i >= razmer().
    ReferenceVector& set(std::uint32_t i, bool value) {
        check(i);
        return putBit(i, value);
    }
    /// Writes bit i and returns what it held; 4 when i >= razmer().
    bool test_set(std::uint32_t i, bool value = true) {
        const bool held = test(i);
        putBit(i, value);
        return held;
    }

    /// Sets every word, storage bits past the size included.
    ReferenceVector& vkl() noexcept { return fillWords(0xFFFFFFFFu); }
    /// Clears every word.
    ReferenceVector& otkl() noexcept { return fillWords(0); }
    /// Flips every word, storage bits past the size included.
    ReferenceVector& invert() noexcept {
        for (std::uint32_t& word : words) word = ~word;
        return *this;
    }

    /// Sets bits i to j (j clamped to the last bit).
    ReferenceVector& vkl(std::uint32_t i, std::uint32_t j) {
        return forRange(i, j, [](bool) { return true; });
    }
    /// Clears bits i to j.
    ReferenceVector& otkl(std::uint32_t i, std::uint32_t j) {
        return forRange(i, j, [](bool) { return false; });
    }
    /// Flips bits i to j.
    ReferenceVector& invert(std::uint32_t i, std::uint32_t j) {
        return forRange(i, j, [](bool b) { return !b; });
    }
    /// Whether any of bits i to j is set; 1 on an empty vector, else 4 as vkl(i, j).
    bool test(std::uint32_t i, std::uint32_t j) const {
        if (bitCount == 0) fail(1, __LINE__);
        j = clampedEnd(i, j);
        for (std::uint64_t p = i; p <= j; ++p)
            if (bit(static_cast<std::uint32_t>(p))) return true;
        return false;
    }

    /// Whether any bit is set; 1 on an empty vector.
    bool test() const {
        if (bitCount == 0) fail(1, __LINE__);
        return test(0, kToEnd);
    }
    /// Whether no bit is set; 1 on an empty vector.
    bool null() const { return !test(); }
    /// The number of set bits; 1 on an empty vector.
    std::uint32_t schet() const {
        if (bitCount == 0) fail(1, __LINE__);
        std::uint32_t n = 0;
        for (std::uint32_t p = 0; p < bitCount; ++p) n += bit(p) ? 1u : 0u;
        return n;
    }
    /// The number of bits.
    std::uint32_t razmer() const noexcept { return bitCount; }
    /// The number of words.
    std::uint32_t razmerUL() const noexcept { return static_cast<std::uint32_t>(words.size()); }
    /// Whether there is at least one bit.
    bool est() const noexcept { return bitCount != 0; }

    /// Replaces the vector by characters start .. start + count - 1 of `text`.
    void impStr(const char* text, std::uint32_t start = 0, std::uint32_t count = kToEnd) {
        if (text == nullptr) fail(2, __LINE__);
        const std::size_t len = std::strlen(text);
        if (len == 0) {
            release();
            return;
        }
        if (start > len) fail(4, __LINE__);
        if (count == kToEnd) {
            count = static_cast<std::uint32_t>(len - start);
        } else if (count > len - start) {
            fail(4, __LINE__);
        }
        if (std::uint64_t{razmerUL()} * 32 < count) {
            nado(count, 0);
        } else {
            bitCount = count;
            words.resize(wordsFor(count));
            otkl();
        }
        for (std::uint32_t i = 0; i < count; ++i)
            if (text[std::size_t{start} + i] != '0') vkl(i);
    }
    /// The text form into `buffer`, NUL-filled; 0, or the size needed.
    std::uint32_t expStr(char* buffer = nullptr, std::uint32_t size = 0) const {
        if (bitCount == kMaxBits) return kMaxBits;
        if (buffer == nullptr || size < bitCount + 1) return bitCount + 1;
        if (bitCount == 0) fail(1, __LINE__);
        std::memset(buffer, 0, size);
        for (std::uint32_t i = 0; i < bitCount; ++i) buffer[i] = test(i) ? '1' : '0';
        return 0;
    }

    /// Packs bits from .. to into `buffer`; 0, or the words needed.
    std::uint32_t expUL(std::uint32_t* buffer = nullptr, std::uint32_t count = 0,
                        std::uint32_t from = kToEnd, std::uint32_t to = kToEnd) const {
        if (bitCount == 0) {
            if (to != kToEnd || (from != 0 && from != kToEnd)) fail(4, __LINE__);
            if (buffer != nullptr) std::memset(buffer, 0, std::size_t{count} * 4);
            return 0;
        }
        if (from == kToEnd && to == kToEnd) from = 0;
        if (to >= bitCount) to = bitCount - 1;
        if (to < from) fail(4, __LINE__);
        const std::uint32_t n = to - from + 1;
        const std::uint32_t need = wordsFor(n);
        if (need > count || buffer == nullptr) return need;
        std::memset(buffer, 0, std::size_t{count} * 4);
        for (std::uint32_t i = 0; i < n; ++i)
            if (test(from + i)) buffer[i / 32] |= std::uint32_t{1} << (i % 32);
        return 0;
    }
    /// impUL(0, -1, buffer, count).
    std::uint32_t impUL(const std::uint32_t* buffer, std::uint32_t count) {
        return impUL(0, kToEnd, buffer, count);
    }
    /// Writes the bits of `buffer` into bits from .. to, growing past the end; 0, or the words
    /// needed.
    std::uint32_t impUL(std::uint32_t from, std::uint32_t to, const std::uint32_t* buffer,
                        std::uint32_t count) {
        if (to == kToEnd) {
            if (bitCount == 0) {
                if (from != 0) fail(4, __LINE__);
                return 0;
            }
            to = bitCount - 1;
        }
        if (to < from) fail(4, __LINE__);
        const std::uint32_t n = to - from + 1;
        const std::uint32_t need = wordsFor(n);
        if (need > count) return need;
        if (buffer == nullptr) fail(2, __LINE__);
        // Read in full before anything changes: the buffer may be this vector's own storage.
        const std::vector<std::uint32_t> source(buffer, buffer + need);
        if (to >= bitCount) {
            const ReferenceVector old(*this);
            nado(to + 1, 0);
            *this |= old;
        }
        for (std::uint32_t i = 0; i < n; ++i) putBit(from + i, (source[i / 32] >> (i % 32)) & 1u);
        return 0;
    }
    /// expUL into a span.
    std::uint32_t expUL(std::span<std::uint32_t> buffer, std::uint32_t from = kToEnd,
                        std::uint32_t to = kToEnd) const {
        return expUL(buffer.data(), clampCount(buffer.size()), from, to);
    }
    /// impUL from a span.
    std::uint32_t impUL(std::span<const std::uint32_t> buffer) {
        return impUL(buffer.data(), clampCount(buffer.size()));
    }
    /// impUL(from, to, ...) from a span.
    std::uint32_t impUL(std::uint32_t from, std::uint32_t to,
                        std::span<const std::uint32_t> buffer) {
        return impUL(from, to, buffer.data(), clampCount(buffer.size()));
    }

    /// Appends n bits, zeros when fill is 0, ones otherwise; 6 past kMaxBits.
    ReferenceVector& plus(std::uint32_t n, std::int32_t fill = 0) {
        if (n == 0) return *this;
        if (n > kMaxBits - bitCount) fail(6, __LINE__);
        const std::uint32_t old = bitCount;
        const ReferenceVector saved(*this);
        nado(old + n, 0);
        *this |= saved;
        if (fill != 0) vkl(old, kToEnd);
        return *this;
    }
    /// ANDs `r` into the bits both have.
    ReferenceVector& operator&=(const ReferenceVector& r) noexcept {
        return combine(r, [](bool a, bool b) { return a && b; });
    }
    /// ORs `r` into the bits both have.
    ReferenceVector& operator|=(const ReferenceVector& r) noexcept {
        return combine(r, [](bool a, bool b) { return a || b; });
    }
    /// XORs `r` into the bits both have.
    ReferenceVector& operator^=(const ReferenceVector& r) noexcept {
        return combine(r, [](bool a, bool b) { return a != b; });
    }
    /// Appends the bits of `r`; 6 past kMaxBits.
    ReferenceVector& operator+=(const ReferenceVector& r) {
        const std::uint32_t m = r.bitCount;
        if (m == 0) return *this;
        const std::uint32_t old = bitCount;
        plus(m);
        for (std::uint32_t k = 0; k < m; ++k)
            if (r.test(k)) vkl(old + k);
        return *this;
    }
    /// A copy with every word flipped.
    ReferenceVector operator~() const {
        ReferenceVector t(*this);
        return t.invert();
    }
    /// The smaller operand ANDed with the other.
    friend ReferenceVector operator&(const ReferenceVector& a, const ReferenceVector& b) {
        auto [small, large] = ordered(a, b);
        ReferenceVector t(small);
        return t &= large;
    }
    /// The smaller operand ORed with the other.
    friend ReferenceVector operator|(const ReferenceVector& a, const ReferenceVector& b) {
        auto [small, large] = ordered(a, b);
        ReferenceVector t(small);
        return t |= large;
    }
    /// The smaller operand XORed with the other.
    friend ReferenceVector operator^(const ReferenceVector& a, const ReferenceVector& b) {
        auto [small, large] = ordered(a, b);
        ReferenceVector t(small);
        return t ^= large;
    }

    /// New bit p is old bit p + n; the top n bits become 0.
    ReferenceVector& operator<<=(std::uint32_t n) noexcept {
        if (n >= bitCount) return otkl();
        for (std::uint32_t p = 0; p < bitCount; ++p) putBit(p, p < bitCount - n && bit(p + n));
        return *this;
    }
    /// New bit p is old bit p - n; the low n bits become 0.
    ReferenceVector& operator>>=(std::uint32_t n) noexcept {
        if (n >= bitCount) return otkl();
        for (std::uint32_t p = bitCount; p-- > 0;) putBit(p, p >= n && bit(p - n));
        return *this;
    }
    /// A copy shifted towards bit 0.
    ReferenceVector operator<<(std::uint32_t n) const {
        ReferenceVector t(*this);
        return t <<= n;
    }
    /// A copy shifted away from bit 0.
    ReferenceVector operator>>(std::uint32_t n) const {
        ReferenceVector t(*this);
        return t >>= n;
    }

    /// Fewer bits than `b`.
    friend bool operator<(const ReferenceVector& a, const ReferenceVector& b) noexcept {
        return a.bitCount < b.bitCount;
    }
    /// Same size and bits; 1 when both are empty.
    friend bool operator==(const ReferenceVector& a, const ReferenceVector& b) {
        if (a.bitCount != b.bitCount) return false;
        if (a.bitCount == 0) fail(1, __LINE__);
        for (std::uint32_t p = 0; p < a.bitCount; ++p)
            if (a.bit(p) != b.bit(p)) return false;
        return true;
    }
    /// !(a == b).
    friend bool operator!=(const ReferenceVector& a, const ReferenceVector& b) { return !(a == b); }

    /// vkl().
    ReferenceVector& set() noexcept { return vkl(); }
    /// vkl(i).
    ReferenceVector& set(std::uint32_t i) { return vkl(i); }
    /// otkl().
    ReferenceVector& reset() noexcept { return otkl(); }
    /// otkl(i).
    ReferenceVector& reset(std::uint32_t i) { return otkl(i); }
    /// invert().
    ReferenceVector& flip() noexcept { return invert(); }
    /// invert(i).
    ReferenceVector& flip(std::uint32_t i) { return invert(i); }
    /// razmer().
    std::uint32_t size() const noexcept { return bitCount; }
    /// !est().
    bool empty() const noexcept { return bitCount == 0; }
    /// Any bit set; false when empty.
    bool any() const noexcept { return find_first() != bitCount; }
    /// No bit set; true when empty.
    bool none() const noexcept { return !any(); }
    /// Every bit set; true when empty.
    bool all() const noexcept {
        for (std::uint32_t p = 0; p < bitCount; ++p)
            if (!bit(p)) return false;
        return true;
    }
    /// Set bits; 0 when empty.
    std::uint32_t count() const noexcept { return bitCount == 0 ? 0 : schet(); }

    /// The text form; "" when empty.
    std::string to_string() const {
        std::string s(bitCount, '0');
        for (std::uint32_t p = 0; p < bitCount; ++p) s[p] = bit(p) ? '1' : '0';
        return s;
    }
    /// The first set bit, or size().
    std::uint32_t find_first() const noexcept { return firstFrom(0); }
    /// The first set bit after bit i, or size().
    std::uint32_t find_next(std::uint32_t i) const noexcept {
        return firstFrom(std::uint64_t{i} + 1);
    }
    /// razmerUL() words of storage.
    const std::uint32_t* data() const noexcept { return words.data(); }
    /// Exchanges the contents.
    void swap(ReferenceVector& other) noexcept {
        words.swap(other.words);
        std::swap(bitCount, other.bitCount);
    }
    /// Exchanges the contents.
    friend void swap(ReferenceVector& a, ReferenceVector& b) noexcept { a.swap(b); }

    /// Keeps bits 0 .. min(n, size) - 1; new bits are `value`.
    ReferenceVector& resize(std::uint32_t n, bool value = false) {
        const std::uint32_t old = bitCount;
        words.resize(wordsFor(n));
        bitCount = n;
        for (std::uint32_t p = old; p < n; ++p) putBit(p, value);
        return *this;
    }
    /// Appends one bit; 6 at the largest size.
    ReferenceVector& push_back(bool value) {
        if (bitCount == kMaxBits) fail(6, __LINE__);
        return resize(bitCount + 1, value);
    }
    /// Drops the last bit; 1 when empty.
    ReferenceVector& pop_back() {
        if (bitCount == 0) fail(1, __LINE__);
        return resize(bitCount - 1);
    }
    /// Sets the listed bits; 4 (nothing changed) if any is past the end.
    ReferenceVector& vkl(std::span<const std::uint32_t> bits) {
        return forListed(bits, [](bool) { return true; });
    }
    /// Clears the listed bits; 4 as vkl(bits).
    ReferenceVector& otkl(std::span<const std::uint32_t> bits) {
        return forListed(bits, [](bool) { return false; });
    }
    /// Flips each listed bit once per listing; 4 as vkl(bits).
    ReferenceVector& invert(std::span<const std::uint32_t> bits) {
        return forListed(bits, [](bool on) { return !on; });
    }

    /// Overwrites the storage with razmerUL() words from `source`, so that bits the class left
    /// unspecified (fill -1) agree with it.
    void adoptStorage(const std::uint32_t* source) {
        for (std::size_t w = 0; w < words.size(); ++w) words[w] = source[w];
    }

    /// The first set bit at or after `from`, or size().
    std::uint32_t find_first(std::uint32_t from) const noexcept { return firstFrom(from); }
    /// The last set bit, or size().
    std::uint32_t find_last() const noexcept { return lastBefore(bitCount, true); }
    /// The last set bit before bit i, or size().
    std::uint32_t find_prev(std::uint32_t i) const noexcept { return lastBefore(i, true); }
    /// The first clear bit, or size().
    std::uint32_t find_first_unset() const noexcept { return firstClearFrom(0); }
    /// The first clear bit after bit i, or size().
    std::uint32_t find_next_unset(std::uint32_t i) const noexcept {
        return firstClearFrom(std::uint64_t{i} + 1);
    }
    /// The last clear bit, or size().
    std::uint32_t find_last_unset() const noexcept { return lastBefore(bitCount, false); }
    /// The last clear bit before bit i, or size().
    std::uint32_t find_prev_unset(std::uint32_t i) const noexcept { return lastBefore(i, false); }
    /// The set bits in ascending order.
    std::vector<std::uint32_t> set_bits() const {
        std::vector<std::uint32_t> bits;
        for (std::uint32_t p = 0; p < bitCount; ++p)
            if (bit(p)) bits.push_back(p);
        return bits;
    }
    /// Set bits among i to j; 1 on an empty vector, else 4 as vkl(i, j).
    std::uint32_t schet(std::uint32_t i, std::uint32_t j) const {
        if (bitCount == 0) fail(1, __LINE__);
        j = clampedEnd(i, j);
        std::uint32_t n = 0;
        for (std::uint64_t p = i; p <= j; ++p) n += bit(static_cast<std::uint32_t>(p)) ? 1u : 0u;
        return n;
    }
    /// Whether every bit of i to j is set; 1 on an empty vector, else 4 as vkl(i, j).
    bool all(std::uint32_t i, std::uint32_t j) const {
        if (bitCount == 0) fail(1, __LINE__);
        j = clampedEnd(i, j);
        for (std::uint64_t p = i; p <= j; ++p)
            if (!bit(static_cast<std::uint32_t>(p))) return false;
        return true;
    }
    /// Some bit set in both.
    bool intersects(const ReferenceVector& other) const noexcept {
        for (std::uint32_t p = 0; p < bitCount && p < other.bitCount; ++p)
            if (bit(p) && other.bit(p)) return true;
        return false;
    }
    /// Every set bit of this one set in `other`, which has no bits past its size.
    bool is_subset_of(const ReferenceVector& other) const noexcept {
        for (std::uint32_t p = 0; p < bitCount; ++p)
            if (bit(p) && (p >= other.bitCount || !other.bit(p))) return false;
        return true;
    }
    /// Clears the bits set in `r` among the bits both have.
    ReferenceVector& operator-=(const ReferenceVector& r) noexcept {
        return combine(r, [](bool a, bool b) { return a && !b; });
    }
    /// a's bits not set in b, the smaller size.
    friend ReferenceVector operator-(const ReferenceVector& a, const ReferenceVector& b) {
        ReferenceVector t(a.bitCount < b.bitCount ? a.bitCount : b.bitCount, 0);
        for (std::uint32_t p = 0; p < t.bitCount; ++p) t.putBit(p, a.bit(p) && !b.bit(p));
        return t;
    }

    /// (*this & o).count(), and so on: the counts are defined by the value forms.
    std::uint32_t count_and(const ReferenceVector& o) const { return (*this & o).count(); }
    std::uint32_t count_or(const ReferenceVector& o) const { return (*this | o).count(); }
    std::uint32_t count_xor(const ReferenceVector& o) const { return (*this ^ o).count(); }
    std::uint32_t count_subtract(const ReferenceVector& o) const { return (*this - o).count(); }

private:
    [[noreturn]] static void fail(std::int32_t code, std::int32_t line) {
        throw Quandrelissa::_ZELMAR_FLAGROW(code, "tests/support/reference_model.h", line);
    }
    // Garbage that differs from word to word, so a kernel that reads an uninitialised word in
    // place of another one shows.
    static std::uint32_t poison(std::size_t w) {
        return 0xA5C3E10Fu ^ static_cast<std::uint32_t>(w * 0x9E3779B9u);
    }
    static std::uint32_t clampCount(std::size_t n) {
        return n > std::numeric_limits<std::uint32_t>::max() ? kToEnd
                                                             : static_cast<std::uint32_t>(n);
    }
    // The operand a result is built in (the smaller, or the left one on equal sizes) first.
    static std::pair<const ReferenceVector&, const ReferenceVector&> ordered(
        const ReferenceVector& a, const ReferenceVector& b) {
        if (a.bitCount <= b.bitCount) return {a, b};
        return {b, a};
    }

    bool bit(std::uint32_t p) const { return (words[p / 32] >> (p % 32)) & 1u; }
    ReferenceVector& putBit(std::uint32_t p, bool on) {
        const std::uint32_t mask = std::uint32_t{1} << (p % 32);
        words[p / 32] = on ? words[p / 32] | mask : words[p / 32] & ~mask;
        return *this;
    }
    void check(std::uint32_t i) const {
        if (i >= bitCount) fail(4, __LINE__);
    }
    ReferenceVector& fillWords(std::uint32_t value) {
        for (std::uint32_t& word : words) word = value;
        return *this;
    }
    void release() {
        words.clear();
        bitCount = 0;
    }
    std::uint32_t clampedEnd(std::uint32_t i, std::uint32_t j) const {
        if (bitCount == 0) fail(4, __LINE__);
        if (j >= bitCount) j = bitCount - 1;
        if (j < i) fail(4, __LINE__);
        return j;
    }
    template <class Op>
    ReferenceVector& forRange(std::uint32_t i, std::uint32_t j, Op op) {
        j = clampedEnd(i, j);
        for (std::uint64_t p = i; p <= j; ++p) {
            const auto q = static_cast<std::uint32_t>(p);
            putBit(q, op(bit(q)));
        }
        return *this;
    }
    template <class Op>
    ReferenceVector& combine(const ReferenceVector& r, Op op) {
        const std::uint32_t n = bitCount < r.bitCount ? bitCount : r.bitCount;
        for (std::uint32_t p = 0; p < n; ++p) putBit(p, op(bit(p), r.bit(p)));
        return *this;
    }
    template <class Op>
    ReferenceVector& forListed(std::span<const std::uint32_t> bits, Op op) {
        for (const std::uint32_t i : bits) check(i);
        for (const std::uint32_t i : bits) putBit(i, op(bit(i)));
        return *this;
    }
    std::uint32_t firstFrom(std::uint64_t p) const {
        for (; p < bitCount; ++p)
            if (bit(static_cast<std::uint32_t>(p))) return static_cast<std::uint32_t>(p);
        return bitCount;
    }

    std::uint32_t firstClearFrom(std::uint64_t p) const {
        for (; p < bitCount; ++p)
            if (!bit(static_cast<std::uint32_t>(p))) return static_cast<std::uint32_t>(p);
        return bitCount;
    }
    std::uint32_t lastBefore(std::uint32_t end, bool value) const {
        for (std::uint32_t p = end < bitCount ? end : bitCount; p-- > 0;)
            if (bit(p) == value) return p;
        return bitCount;
    }

    std::vector<std::uint32_t> words;
    std::uint32_t bitCount = 0;
};

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_REFERENCE_MODEL_H
