// The members that do a short vector in the header: each runs the word layer's arithmetic with a
// plain inline loop over the whole words, and hands a longer vector, an empty one and every call
// that would throw to its counterpart out of line, which runs the same arithmetic with the
// kernels and raises. Which threshold each member uses is said at it. Included at the end of
// ZELMAR_FLAGROW.h; not a header of its own.
#ifndef ZELMAR_FLAGROW_SHORT_PATHS_H
#define ZELMAR_FLAGROW_SHORT_PATHS_H

#include <cstring>

namespace Quandrelissa {
namespace detail {

/// The inline loops over whole words. They read the counts once, so that they run in registers.
struct InlineLoops {
    static std::uint64_t count(const Word* w, std::size_t n) noexcept {
        return popcountWords(w, n);
    }
    /// The words ORed, two a step: non-zero when one of them is.
    static std::uint64_t seen(const Word* w, std::size_t n) noexcept {
        std::uint64_t seen = 0;
        for (; n >= 2; n -= 2, w += 2) seen |= wordPair(w);
        return n != 0 ? seen | *w : seen;
    }
    /// Up to kFewWords words in a loop; past that memcmp is wider.
    static bool same(const Word* a, const Word* b, std::size_t n) noexcept {
        if (n > kFewWords) return std::memcmp(a, b, n * sizeof(Word)) == 0;
        Word differ = 0;
        for (std::size_t k = 0; k < n; ++k) differ |= a[k] ^ b[k];
        return differ == 0;
    }
    /// Up to kFewWords words in a loop; past that memmove is wider. The words may overlap with
    /// dst at or below src.
    static void copy(Word* dst, const Word* src, std::size_t n) noexcept {
        if (n > kFewWords) {
            std::memmove(dst, src, n * sizeof(Word));
            return;
        }
        for (std::size_t k = 0; k < n; ++k) dst[k] = src[k];
    }
    /// Two words a step, as one 64-bit word: half the steps a short vector takes.
    template <class Op>
    static void combine(Word* l, const Word* r, std::size_t n, Op op) noexcept {
        std::size_t k = 0;
        for (; k + 2 <= n; k += 2) setWordPair(l + k, op(wordPair(l + k), wordPair(r + k)));
        if (k < n) l[k] = op(l[k], r[k]);
    }
    /// Whether op(a[k], b[k]) is non-zero for one of n words. Sets that meet at all mostly do
    /// so in their first two words, which are asked alone; the rest, at most kShortWords words,
    /// in one reduction, so that sets that never meet pay one test more than a single pass.
    struct Meet {
        template <class Op>
        bool operator()(const Word* a, const Word* b, std::size_t n, Op op) const noexcept {
            if (n < 2) return n != 0 && op(*a, *b) != 0;
            return op(wordPair(a), wordPair(b)) != 0 ||
                   MeetInBlocks<kShortWords>{}(a + 2, b + 2, n - 2, op);
        }
    };
    /// Two words a step, as one 64-bit word, as a 64-bit peer moves its words.
    static void funnelDown(Word* dst, const Word* src, std::size_t n, unsigned b) noexcept {
        std::size_t i = 0;
        for (; i + 2 <= n; i += 2) setWordPair(dst + i, funnelDownWords(src + i, b));
        if (i < n) dst[i] = funnelDownPair(src[i], src[i + 1], b);
    }
    // src - 1 is readable: the caller passes src one word into its array.
    static void funnelUp(Word* dst, const Word* src, std::size_t n, unsigned b) noexcept {
        std::size_t i = n;
        for (; i >= 2; i -= 2) setWordPair(dst + i - 2, funnelUpWords(src + i - 2, b));
        if (i != 0) dst[0] = funnelUpPair(*(src - 1), src[0], b);
    }
    static void zero(Word* dst, std::size_t n) noexcept {
        for (std::size_t k = 0; k < n; ++k) dst[k] = 0;
    }
};

template <class Op>
void combineShort(Word* l, std::uint32_t lBits, const Word* r, std::uint32_t rBits,
                  Op op) noexcept {
    combineInto(l, lBits, r, rBits,
                [op](Word* x, const Word* y, std::size_t n) { InlineLoops::combine(x, y, n, op); });
}

inline constexpr auto kAnd = [](auto a, auto b) { return a & b; };
inline constexpr auto kOr = [](auto a, auto b) { return a | b; };
inline constexpr auto kXor = [](auto a, auto b) { return a ^ b; };
inline constexpr auto kAndNot = [](auto a, auto b) { return a & ~b; };

}  // namespace detail

// ---- Whole-vector queries: up to kShortWords words, kFewWords for the counts -------------

inline bool ZELMAR_FLAGROW::test() const {
    if (!isShort()) return testLong();
    return detail::anyBit(words, bitCount, detail::InlineLoops::seen);
}

inline bool ZELMAR_FLAGROW::any() const noexcept {
    if (!isShort()) return bitCount != 0 && anySet();
    return detail::anyBit(words, bitCount, detail::InlineLoops::seen);
}

inline std::uint32_t ZELMAR_FLAGROW::schet() const {
    if (!isShort(detail::kFewWords)) return schetLong();
    return static_cast<std::uint32_t>(
        detail::countBits(words, bitCount, detail::InlineLoops::count));
}

inline std::uint32_t ZELMAR_FLAGROW::count() const noexcept {
    if (!isShort(detail::kFewWords)) return bitCount == 0 ? 0 : setCount();
    return static_cast<std::uint32_t>(
        detail::countBits(words, bitCount, detail::InlineLoops::count));
}

// ---- Equality: up to kShortWords words -----------------------------------------------

inline bool operator==(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    if (a.bitCount != b.bitCount || !a.isShort()) return ZELMAR_FLAGROW::equalLong(a, b);
    return detail::equalBits(a.words, b.words, a.bitCount, detail::InlineLoops::same);
}

// ---- Combining in place: up to kShortWords words ------------------------------------

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator&=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return combineLong(r, detail::Combination::bitAnd);
    detail::combineShort(words, bitCount, r.words, r.bitCount, detail::kAnd);
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator|=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return combineLong(r, detail::Combination::bitOr);
    detail::combineShort(words, bitCount, r.words, r.bitCount, detail::kOr);
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator^=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return combineLong(r, detail::Combination::bitXor);
    detail::combineShort(words, bitCount, r.words, r.bitCount, detail::kXor);
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator-=(const ZELMAR_FLAGROW& r) noexcept {
    if (!isShort()) return combineLong(r, detail::Combination::andNot);
    detail::combineShort(words, bitCount, r.words, r.bitCount, detail::kAndNot);
    return *this;
}

// ---- Set algebra: the bits both have up to kShortWords words ---------------------------

inline bool ZELMAR_FLAGROW::intersects(const ZELMAR_FLAGROW& other) const noexcept {
    const std::uint32_t common = bitCount < other.bitCount ? bitCount : other.bitCount;
    if (!detail::inlineLoopsTake(common, detail::kShortWords)) return intersectsLong(other);
    return detail::anyCombined(words, other.words, common, detail::kAnd,
                               detail::InlineLoops::Meet{});
}

// Inline only where other covers this one, so that no bit lies past other's size.
inline bool ZELMAR_FLAGROW::is_subset_of(const ZELMAR_FLAGROW& other) const noexcept {
    if (!isShort() || other.bitCount < bitCount) return isSubsetLong(other);
    return !detail::anyCombined(words, other.words, bitCount, detail::kAndNot,
                                detail::InlineLoops::Meet{});
}

// ---- Shifts in place: up to kShortWords words ----------------------------------------------

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator<<=(std::uint32_t n) noexcept {
    if (!isShort() || n == 0 || n >= bitCount) return shiftDownLong(n);
    detail::shiftDown(words, words, bitCount, n, detail::InlineLoops{});
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator>>=(std::uint32_t n) noexcept {
    if (!isShort() || n == 0 || n >= bitCount) return shiftUpLong(n);
    detail::shiftUp(words, words, bitCount, n, detail::InlineLoops{});
    return *this;
}

// ---- Ranges: up to kShortWords words; a range of up to kFewWords words in one loop ---------

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::changeRange(std::uint32_t i, std::uint32_t j,
                                                   detail::RangeOp op) {
    const std::uint32_t end = detail::rangeEnd(bitCount, j);
    if (!isShort() || !detail::isRange(i, end)) return changeRangeLong(i, j, op);
    const detail::RangeWords r = detail::rangeWords(i, end);
    if (r.last - r.first < detail::kFewWords) {
        detail::changeRangeInOneLoop(words, r, op);
    } else {
        detail::changeRange(words, r, op, [op](detail::Word* w, std::size_t n) {
            for (std::size_t k = 0; k < n; ++k)
                w[k] = detail::applyMask(w[k], detail::kAllOnes, op);
        });
    }
    return *this;
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::vkl(std::uint32_t i, std::uint32_t j) {
    return changeRange(i, j, detail::RangeOp::set);
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::otkl(std::uint32_t i, std::uint32_t j) {
    return changeRange(i, j, detail::RangeOp::clear);
}

inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::invert(std::uint32_t i, std::uint32_t j) {
    return changeRange(i, j, detail::RangeOp::flip);
}

inline bool ZELMAR_FLAGROW::test(std::uint32_t i, std::uint32_t j) const {
    const std::uint32_t end = detail::rangeEnd(bitCount, j);
    if (!isShort() || !detail::isRange(i, end)) return testLong(i, j);
    return detail::anyInRange(words, detail::rangeWords(i, end), detail::InlineLoops::seen);
}

// ---- The whole word-array form: up to kShortWords words --------------------------------

inline std::uint32_t ZELMAR_FLAGROW::expUL(std::uint32_t* buffer, std::uint32_t count,
                                           std::uint32_t from, std::uint32_t to) const {
    const std::uint32_t n = wordCount;
    if (!detail::isWholeVector(from, to) || !isShort() || !detail::bufferTakes(buffer, count, n))
        return expULLong(buffer, count, from, to);
    detail::exportWhole(buffer, count, words, n, bitCount, detail::InlineLoops{});
    return 0;
}

// A buffer in the storage goes out of line, to be copied aside.
inline std::uint32_t ZELMAR_FLAGROW::impUL(const std::uint32_t* buffer, std::uint32_t count) {
    const std::uint32_t n = wordCount;
    if (!isShort() || !detail::bufferTakes(buffer, count, n) ||
        detail::liesInStorage(words, capacityBits, buffer, std::size_t{n} * sizeof(detail::Word)))
        return impUL(0, kToEnd, buffer, count);
    detail::importWhole(words, n, bitCount, buffer, detail::InlineLoops{});
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

// ---- Growth by one bit ---------------------------------------------------------------------

// Inline so that a loop of push_back keeps its counters in registers: one compare, one word
// written, and the storage grows out of line. The growth rejoins the one write below rather
// than finishing the push itself, so that the size a call writes is the size the next call
// reads and the compiler carries it in a register, with no store and reload between calls.
inline ZELMAR_FLAGROW& ZELMAR_FLAGROW::push_back(bool value) {
    if (bitCount >= capacityBits) [[unlikely]]
        makeRoom(std::uint64_t{bitCount} + 1);
    const std::uint32_t i = bitCount;
    const std::uint32_t bit = std::uint32_t{1} << (i & 31);
    std::uint32_t& word = words[i >> 5];
    word = (word & ~bit) | (static_cast<std::uint32_t>(value) << (i & 31));
    bitCount = i + 1;
    wordCount = (i >> 5) + 1;
    return *this;
}

}  // namespace Quandrelissa

#endif  // ZELMAR_FLAGROW_SHORT_PATHS_H
