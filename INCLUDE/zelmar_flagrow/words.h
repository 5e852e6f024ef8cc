// The word arithmetic of the class, written once. The inline loops of short vectors and the
// members out of line both build on it: they differ only in the loop that runs the whole words
// between the end words (a plain loop here, or a kernel, memmove or memset), passed in as a
// callable, never in the masks, the end words or the tail of a shorter operand.
#ifndef ZELMAR_FLAGROW_WORDS_H
#define ZELMAR_FLAGROW_WORDS_H

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Quandrelissa::detail {

using Word = std::uint32_t;
inline constexpr unsigned kWordBits = 32;
inline constexpr Word kAllOnes = ~Word{0};

/// A vector of at most this many words is done by the header's inline word loops: no call, no
/// look-up of the kernel table. Longer ones go to the members out of line, whose kernels win
/// once a few registers are full.
inline constexpr std::uint32_t kShortWords = 32;
/// The count without popcnt takes a dozen steps a word in the inline loops, and glibc's memcmp
/// and memmove are wider than the compiler's loops for the default target: past this many words
/// the kernels, memcmp and memmove are faster.
inline constexpr std::uint32_t kFewWords = 8;
/// Words a vector holds inside its own object, so that values of up to 128 bits (a copy, the
/// operators' results, nado) never touch the heap; storage on the heap is always longer.
inline constexpr std::uint32_t kInsideWords = 4;

/// Words that hold `bits` bits. 64-bit so that callers may pass bitCount + 1 or a sum of sizes.
constexpr std::size_t wordsFor(std::uint64_t bits) noexcept {
    return static_cast<std::size_t>((bits + kWordBits - 1) / kWordBits);
}

/// Whether `count` words fit in the words inside the object.
constexpr bool fitsInside(std::size_t count) noexcept { return count <= kInsideWords; }

/// Bits 0 .. r % 32 - 1 of a word; all of it when r is a multiple of 32, so that lowMask(size)
/// is the meaningful part of a vector's last word.
constexpr Word lowMask(std::uint64_t r) noexcept {
    return kAllOnes >> static_cast<unsigned>((0 - r) % kWordBits);
}

/// Bits 0 .. r % 64 - 1 of a 64-bit chunk of two words; all of it when r is a multiple of 64.
constexpr std::uint64_t lowMask64(std::uint64_t r) noexcept {
    return ~std::uint64_t{0} >> static_cast<unsigned>((0 - r) % 64);
}

/// Bits b % 32 .. 31 of a word.
constexpr Word highMask(std::uint64_t b) noexcept {
    return kAllOnes << static_cast<unsigned>(b % kWordBits);
}

/// The index of the last word of a vector of `bits` bits, bits > 0: the number of whole words
/// before it. Worked in 32 bits, so that no compiler sees a count near SIZE_MAX in it.
constexpr std::size_t lastWordIndex(std::uint32_t bits) noexcept { return (bits - 1u) / kWordBits; }

/// The meaningful part of the last word of a vector of `bits` bits, bits > 0.
constexpr Word lastWord(const Word* words, std::uint64_t bits) noexcept {
    return words[wordsFor(bits) - 1] & lowMask(bits);
}

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

/// Words 0 and 1 as one 64-bit word, word 0 low: the compilers load it in one move.
constexpr std::uint64_t wordPair(const Word* w) noexcept {
    return w[0] | std::uint64_t{w[1]} << kWordBits;
}

/// Stores x as words 0 and 1, its low half in word 0 on every byte order: one move where the
/// order is that of the words, which GCC would not make of the two stores.
inline void setWordPair(Word* w, std::uint64_t x) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(w, &x, sizeof x);
    } else {
        w[0] = static_cast<Word>(x);
        w[1] = static_cast<Word>(x >> kWordBits);
    }
}

/// The set bits of words 0 .. n - 1, two words a step.
constexpr std::uint64_t popcountWords(const Word* w, std::size_t n) noexcept {
    std::uint64_t total = 0;
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2) total += popcount64(wordPair(w + i));
    if (i < n) total += popcount64(w[i]);
    return total;
}

// ---- Whole vectors: whole words, then the last one masked -----------------------------------
// The callables take (words, n) for the n whole words below the last one.

/// The number of set bits of a vector of `bits` bits, bits > 0.
template <class CountWords>
std::uint64_t countBits(const Word* w, std::uint32_t bits, CountWords countWords) noexcept {
    const std::size_t last = lastWordIndex(bits);
    return countWords(w, last) + popcount64(w[last] & lowMask(bits));
}

/// Whether a vector of `bits` bits, bits > 0, has a set bit. `seenInWords(w, n)` gives a word
/// that is non-zero when one of the n whole words is: one test decides, with no branch between
/// the last word and the others.
template <class SeenInWords>
bool anyBit(const Word* w, std::uint32_t bits, SeenInWords seenInWords) noexcept {
    const std::size_t last = lastWordIndex(bits);
    return ((w[last] & lowMask(bits)) | seenInWords(w, last)) != 0;
}

/// Whether two vectors of `bits` bits, bits > 0, have the same bits; `sameWords(a, b, n)`
/// compares whole words.
template <class SameWords>
bool equalBits(const Word* a, const Word* b, std::uint32_t bits, SameWords sameWords) noexcept {
    const std::size_t last = lastWordIndex(bits);
    return ((a[last] ^ b[last]) & lowMask(bits)) == 0 && sameWords(a, b, last);
}

/// The whole of a vector of `bits` bits held in `n` words, n > 0, into `count` words: its words,
/// the last one masked, and zeros after them. `loops` gives copy(dst, src, n) and zero(dst, n).
template <class Loops>
void exportWhole(Word* out, std::size_t count, const Word* w, std::size_t n, std::uint32_t bits,
                 Loops loops) noexcept {
    if (n == 0) return;  // never, but said, so that no compiler sees a copy of SIZE_MAX words
    loops.copy(out, w, n - 1);
    out[n - 1] = w[n - 1] & lowMask(bits);
    loops.zero(out + n, count - n);
}

/// The words of `in` over the whole of a vector of `bits` bits held in `n` words, n > 0, the
/// storage bits of its last word kept. `in` lies outside the vector's storage.
template <class Loops>
void importWhole(Word* w, std::size_t n, std::uint32_t bits, const Word* in, Loops loops) noexcept {
    if (n == 0) return;  // as above
    loops.copy(w, in, n - 1);
    const Word mask = lowMask(bits);
    w[n - 1] = (w[n - 1] & ~mask) | (in[n - 1] & mask);
}

/// The logical combinations of two operands' words.
enum class Combination { bitAnd, bitOr, bitXor, andNot };

/// Combines r into l, l keeping its size; `combine(l, r, n)` does n whole words in place. A
/// shorter r reaches only its own bits: the part of its last word above its size must leave l's
/// bits there alone.
template <class CombineWords>
void combineInto(Word* l, std::uint32_t lBits, const Word* r, std::uint32_t rBits,
                 CombineWords combine) noexcept {
    if (rBits >= lBits) {
        if (lBits != 0) combine(l, r, wordsFor(lBits));
        return;
    }
    if (rBits == 0) return;
    const std::size_t n = wordsFor(rBits);
    const Word before = l[n - 1];
    combine(l, r, n);
    const Word mask = lowMask(rBits);
    l[n - 1] = (before & ~mask) | (l[n - 1] & mask);
}

/// Whether op(a[k], b[k]) has a set bit among the first `bits` bits; `meetInWords(a, b, n, op)`
/// says whether it has one in the n whole words before the last. The whole words are asked
/// first: sets that meet at all mostly meet there, and the loop may stop at once.
template <class Op, class MeetInWords>
bool anyCombined(const Word* a, const Word* b, std::uint32_t bits, Op op,
                 MeetInWords meetInWords) noexcept {
    if (bits == 0) return false;
    const std::size_t last = lastWordIndex(bits);
    return meetInWords(a, b, last, op) || (op(a[last], b[last]) & lowMask(bits)) != 0;
}

/// Whether op(a[k], b[k]) is non-zero for one of n words: blocks of kBlock words are reduced
/// without an early exit inside, so that the compiler keeps them in wide registers, and the loop
/// stops after the block that decides.
template <std::size_t kBlock>
struct MeetInBlocks {
    template <class Op>
    bool operator()(const Word* a, const Word* b, std::size_t n, Op op) const noexcept {
        for (std::size_t k = 0; k < n; k += kBlock) {
            const std::size_t end = n - k < kBlock ? n : k + kBlock;
            Word seen = 0;
            for (std::size_t j = k; j < end; ++j) seen |= op(a[j], b[j]);
            if (seen != 0) return true;
        }
        return false;
    }
};

/// The set bits of op(a[k], b[k]) among the first `bits` bits; `countWords(a, b, n)` counts the
/// n whole words before the last one.
template <class Op, class CountWords>
std::uint64_t countCombined(const Word* a, const Word* b, std::uint32_t bits, Op op,
                            CountWords countWords) noexcept {
    if (bits == 0) return 0;
    const std::size_t last = lastWordIndex(bits);
    return countWords(a, b, last) + popcount64(op(a[last], b[last]) & lowMask(bits));
}

// ---- Ranges of bits ----------------------------------------------------------------------------

/// The words of bits first .. end - 1 (first < end) and the range's part of its two end words.
struct RangeWords {
    std::size_t first;  // the word of bit `first`
    std::size_t last;   // the word of bit end - 1
    Word head;          // the range's bits of word `first`
    Word tail;          // the range's bits of word `last`

    /// The range's bits of word k, first <= k <= last.
    constexpr Word maskAt(std::size_t k) const noexcept {
        return (k == first ? head : kAllOnes) & (k == last ? tail : kAllOnes);
    }
};

constexpr RangeWords rangeWords(std::uint64_t first, std::uint64_t end) noexcept {
    return {static_cast<std::size_t>(first / kWordBits),
            static_cast<std::size_t>((end - 1) / kWordBits), highMask(first), lowMask(end)};
}

/// Sets, clears or flips bits in a word under a mask, as a range asks.
enum class RangeOp { set, clear, flip };

constexpr Word applyMask(Word word, Word mask, RangeOp op) noexcept {
    switch (op) {
        case RangeOp::set:
            return word | mask;
        case RangeOp::clear:
            return word & ~mask;
        case RangeOp::flip:
            return word ^ mask;
    }
    return word;
}

/// op over the bits of `r`; `middle(w, n)` does the n whole words between its end words.
template <class MiddleWords>
void changeRange(Word* w, const RangeWords& r, RangeOp op, MiddleWords middle) noexcept {
    if (r.first == r.last) {
        w[r.first] = applyMask(w[r.first], r.head & r.tail, op);
        return;
    }
    w[r.first] = applyMask(w[r.first], r.head, op);
    middle(w + r.first + 1, r.last - r.first - 1);
    w[r.last] = applyMask(w[r.last], r.tail, op);
}

/// op over the bits of `r` in one loop with the masks in it: for a few words, where a loop of
/// whole words alone would become a call of memset.
inline void changeRangeInOneLoop(Word* w, const RangeWords& r, RangeOp op) noexcept {
    for (std::size_t k = r.first; k <= r.last; ++k) w[k] = applyMask(w[k], r.maskAt(k), op);
}

/// Whether any bit of `r` is set; `seenInWords(w, n)` is non-zero when one of the n whole words
/// between its end words is.
template <class SeenInWords>
bool anyInRange(const Word* w, const RangeWords& r, SeenInWords seenInWords) noexcept {
    if (r.first == r.last) return (w[r.first] & r.head & r.tail) != 0;
    return ((w[r.first] & r.head) | (w[r.last] & r.tail) |
            seenInWords(w + r.first + 1, r.last - r.first - 1)) != 0;
}

// ---- Shifts
// -------------------------------------------------------------------------------------- The size
// stays; n is 0 .. bits - 1. The loops a shift runs in come as one object:
//   funnelDown(dst, src, n, b): dst[i] = src[i] >> b | src[i + 1] << (32 - b), ascending;
//   funnelUp(dst, src, n, b):   dst[i] = src[i] << b | src[i - 1] >> (32 - b), descending;
//   zero(dst, n).
// b is 0 .. 31, the words may overlap in the direction the loop runs.

/// The word pair (lo, hi) taken as one 64-bit word and moved down by b, 0 <= b < 32.
constexpr Word funnelDownPair(Word lo, Word hi, unsigned b) noexcept {
    return static_cast<Word>((std::uint64_t{hi} << kWordBits | lo) >> b);
}

/// The word pair (lo, hi) taken as one 64-bit word and moved up by b: its high word. Written
/// without the pair as one number, so that no compiler reads the two words as one 64-bit load:
/// in place they were written by two stores of the last shift, which the processor cannot hand
/// on to one load, and a shift of a short vector would wait for them to reach the cache.
constexpr Word funnelUpPair(Word lo, Word hi, unsigned b) noexcept {
    return static_cast<Word>(hi << b | std::uint64_t{lo} >> (kWordBits - b));
}

/// funnelDownPair of words 0, 1 and of words 1, 2 in one 64-bit step: words 0 .. 2 taken as one
/// number and moved down by b, 0 <= b < 32, its low 64 bits. Both pairs put word 1 at the same
/// place, so that ORing them adds only word 2's bits: two shifts a step, as a 64-bit peer takes.
constexpr std::uint64_t funnelDownWords(const Word* w, unsigned b) noexcept {
    return wordPair(w) >> b | wordPair(w + 1) << (kWordBits - b);
}

/// funnelUpPair of words -1, 0 and of words 0, 1 in one 64-bit step: words -1 .. 1 taken as one
/// number and moved up by b, 0 <= b < 32, its high 64 bits.
constexpr std::uint64_t funnelUpWords(const Word* w, unsigned b) noexcept {
    return wordPair(w) << b | std::uint64_t{*(w - 1)} >> (kWordBits - b);
}

/// Bits n .. bits - 1 of src to bits 0 .. bits - n - 1 of dst, zeros above; dst may be src.
/// The last source word is taken masked so that its storage bits never reach a meaningful bit.
template <class Loops>
void shiftDown(Word* dst, const Word* src, std::uint32_t bits, std::uint32_t n,
               Loops loops) noexcept {
    const std::size_t count = wordsFor(bits);
    const std::size_t k = n / kWordBits;  // whole words moved
    const unsigned b = n % kWordBits;
    const std::size_t keep = count - k;  // words that take data, at least 1 as n < bits
    const Word top = lastWord(src, bits);
    // Shifting {0xAABBCCDD, 0xEEFF0011} down by 4: word 0 becomes 0x1AABBCCD.
    if (keep > 2) loops.funnelDown(dst, src + k, keep - 2, b);
    if (keep > 1) dst[keep - 2] = funnelDownPair(src[count - 2], top, b);
    dst[keep - 1] = top >> b;
    loops.zero(dst + keep, k);
}

/// Bits 0 .. bits - n - 1 of src to bits n .. bits - 1 of dst, zeros below; dst may be src.
/// What moves past the size lands in the storage bits of the last word or drops off.
template <class Loops>
void shiftUp(Word* dst, const Word* src, std::uint32_t bits, std::uint32_t n,
             Loops loops) noexcept {
    const std::size_t count = wordsFor(bits);
    const std::size_t k = n / kWordBits;
    const unsigned b = n % kWordBits;
    // Shifting {0xAABBCCDD, 0xEEFF0011} up by 4: word 1 becomes 0xEFF0011A.
    if (count - k > 1) loops.funnelUp(dst + k + 1, src + 1, count - k - 1, b);
    dst[k] = src[0] << b;
    loops.zero(dst, k);
}

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_WORDS_H
