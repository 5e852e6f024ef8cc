// Storage, sizing and every member that checks its arguments: all errors of the class except
// those of the one-bit members are raised in this file.
#include "ZELMAR_FLAGROW.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>
#include <memory>

#include "bitrange.h"
#include "errors.h"
#include "kernels.h"
#include "large_pages.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

using detail::kernels;
using detail::kWordBits;
using detail::Word;
using detail::wordsFor;

namespace {

[[maybe_unused]] bool invariantHolds(const ZELMAR_FLAGROW& v) noexcept {
    // Storage on the heap is always longer than the words inside the object.
    const bool inside = detail::liesInStorage(v.data(), 1, &v, sizeof v);
    return v.razmerUL() == wordsFor(v.razmer()) && (v.razmerUL() == 0 || v.data() != nullptr) &&
           v.capacity() >= v.razmer() &&
           (v.data() == nullptr || inside == detail::fitsInside(wordsFor(v.capacity())));
}

// The bits that storage for `count` words holds, cut at the largest size: all the words inside
// the object when they fit there.
std::uint32_t bitsHeld(std::size_t count) noexcept {
    const std::size_t held = detail::fitsInside(count) ? detail::kInsideWords : count;
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{held} * kWordBits, ZELMAR_FLAGROW::kMaxBits));
}

// The largest index listed, 0 for none: one pass the compiler can vectorise, so that the check
// before a bulk change costs little beside the change.
std::uint32_t largestIndex(std::span<const std::uint32_t> bits) noexcept {
    std::uint32_t largest = 0;
    for (const std::uint32_t i : bits) largest = std::max(largest, i);
    return largest;
}

Word* allocate(std::size_t count) {
    Word* fresh = nullptr;
    try {
        fresh = new Word[count];
    } catch (...) {
        detail::outOfMemory(ZELMAR_FLAGROW_HERE);
    }
    detail::adviseLargePages(fresh, count * sizeof(Word));
    return fresh;
}

// Storage holding `count` words is filled with `byte`, or given the words of `from`. Storage of up
// to kInsideWords words is the object's own and any other is longer (the source's too), so those
// are written all at once, spare words included: one store and no call, where a call's store of a
// length it learns at run time stalls the next read of the object.
void fillWords(Word* words, int byte, std::size_t count) noexcept {
    if (detail::fitsInside(count))
        std::memset(words, byte, detail::kInsideWords * sizeof(Word));
    else
        std::memset(words, byte, count * sizeof(Word));
}

void copyWords(Word* words, const Word* from, std::size_t count) noexcept {
    if (detail::fitsInside(count))
        std::memcpy(words, from, detail::kInsideWords * sizeof(Word));
    else
        std::memcpy(words, from, count * sizeof(Word));
}

// New words for `newBits` bits holding the first `oldBits` bits of `old` and zeros up to bit
// `zeroTo`; the words wholly above that bit are left for the caller to write over, but the last
// word starts at 0 so that its storage bits come out 0. `old` itself is left alone, so that a
// failure changes nothing. Words that fit inside the object are built in `local` (kInsideWords
// words), the others in a new array.
Word* grownCopy(const Word* old, std::uint32_t oldBits, std::uint64_t newBits, std::uint64_t zeroTo,
                Word* local) {
    const std::size_t count = wordsFor(newBits);
    Word* fresh = detail::fitsInside(count) ? local : allocate(count);
    const std::size_t kept = wordsFor(oldBits);
    if (kept != 0) {
        std::memcpy(fresh, old, kept * sizeof(Word));
        fresh[kept - 1] &= detail::lowMask(oldBits);
    }
    const auto zeroed =
        static_cast<std::size_t>(std::min<std::uint64_t>(count, zeroTo / kWordBits + 1));
    if (zeroed > kept) std::memset(fresh + kept, 0, (zeroed - kept) * sizeof(Word));
    if (count > kept) fresh[count - 1] = 0;
    return fresh;
}

// A caller's list, text, pattern or buffer as it was when the member was called: copied aside
// when it lies in the vector's storage, which the member is about to change (or free), and read
// where it is otherwise, at no cost.
template <class T>
class AsCalled {
public:
    AsCalled(const ZELMAR_FLAGROW& v, const T* given, std::size_t n) : data_(given) {
        if (!detail::liesInStorage(v.data(), v.capacity(), given, n * sizeof(T))) return;
        try {
            copy_ = std::make_unique_for_overwrite<T[]>(n);
        } catch (...) {
            detail::outOfMemory(ZELMAR_FLAGROW_HERE);
        }
        std::copy_n(given, n, copy_.get());
        data_ = copy_.get();
    }
    const T* data() const noexcept { return data_; }

private:
    std::unique_ptr<T[]> copy_;
    const T* data_;
};

// Every index is checked before the first change, so that a refused list changes nothing.
template <class Change>
void changeListed(const ZELMAR_FLAGROW& v, Word* words, std::span<const std::uint32_t> bits,
                  Change change) {
    if (!bits.empty() && largestIndex(bits) >= v.razmer())
        throw _ZELMAR_FLAGROW(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
    const AsCalled<std::uint32_t> list(v, bits.data(), bits.size());
    for (const std::uint32_t i : std::span(list.data(), bits.size()))
        change(words[i >> 5], Word{1} << (i & 31));
}

// The end (one past the last bit) of the range i .. j once j is cut at the last bit.
std::uint32_t checkedRangeEnd(std::uint32_t bits, std::uint32_t i, std::uint32_t j) {
    const std::uint32_t end = detail::rangeEnd(bits, j);
    if (!detail::isRange(i, end))
        throw _ZELMAR_FLAGROW(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
    return end;
}

}  // namespace

void detail::outOfMemory(const char* file, std::int32_t line) {
    throw _ZELMAR_FLAGROW(_ZELMAR_FLAGROW::kNoMemory, file, line);
}

void ZELMAR_FLAGROW::raise(std::int32_t code, const char* file, std::int32_t line) {
    throw _ZELMAR_FLAGROW(code, file, line);
}

void ZELMAR_FLAGROW::release() noexcept {
    if (words != insideWords) delete[] words;
    words = nullptr;
    wordCount = 0;
    bitCount = 0;
    capacityBits = 0;
}

void ZELMAR_FLAGROW::adopt(std::uint32_t* fresh, std::uint32_t bits) noexcept {
    const std::size_t count = wordsFor(bits);
    if (words != insideWords) delete[] words;
    if (detail::fitsInside(count)) {
        std::memcpy(insideWords, fresh, count * sizeof(Word));
        words = insideWords;
    } else {
        words = fresh;
    }
    bitCount = bits;
    wordCount = static_cast<std::uint32_t>(count);
    capacityBits = bitsHeld(count);
}

void ZELMAR_FLAGROW::holdExactly(std::size_t count) {
    if (detail::fitsInside(count)) {
        if (words != insideWords) release();
        words = insideWords;
    } else if (wordsFor(capacityBits) != count) {
        // An array of the right length is refilled in place: the old bits are gone all the same,
        // and the allocator and the page faults of fresh memory are spared.
        release();
        words = allocate(count);
    }
    capacityBits = bitsHeld(count);
}

// ---- Construction, sizing, copying -----------------------------------------

ZELMAR_FLAGROW::ZELMAR_FLAGROW(std::uint32_t n, std::int32_t fill) { nado(n, fill); }

ZELMAR_FLAGROW::ZELMAR_FLAGROW(std::uint32_t n, const char* pattern, std::uint32_t length) {
    if (n == 0) return;
    // Checked before sizing: a constructor that throws leaves no object to release the words.
    if (pattern == nullptr) raise(_ZELMAR_FLAGROW::kNullPointer, ZELMAR_FLAGROW_HERE);
    nado(n, pattern, length);
}

ZELMAR_FLAGROW::ZELMAR_FLAGROW(const char* text, std::uint32_t start, std::uint32_t count) {
    impStr(text, start, count);
}

ZELMAR_FLAGROW::ZELMAR_FLAGROW(std::string_view text) {
    if (text.size() > kMaxBits) detail::outOfMemory(ZELMAR_FLAGROW_HERE);
    if (text.empty()) return;
    nado(static_cast<std::uint32_t>(text.size()), -1);
    kernels().textToBits(text.data(), text.size(), words);
    assert(invariantHolds(*this));
}

// Straight to new storage: a new object has nothing to release and cannot be its own source.
ZELMAR_FLAGROW::ZELMAR_FLAGROW(const ZELMAR_FLAGROW& other) {
    if (other.bitCount == 0) return;
    holdExactly(other.wordCount);
    copyWords(words, other.words, other.wordCount);
    bitCount = other.bitCount;
    wordCount = other.wordCount;
    assert(invariantHolds(*this));
}

ZELMAR_FLAGROW::~ZELMAR_FLAGROW() { release(); }

ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator=(const ZELMAR_FLAGROW& other) {
    if (this == &other || other.bitCount == 0) return *this;
    nado(other.bitCount, -1);
    copyWords(words, other.words, wordCount);
    assert(invariantHolds(*this));
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator=(ZELMAR_FLAGROW&& other) noexcept {
    if (this == &other) return *this;
    release();
    swap(other);
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::nado(std::uint32_t n, std::int32_t fill) {
    if (n == 0) return *this;
    holdExactly(wordsFor(n));
    bitCount = n;
    wordCount = static_cast<std::uint32_t>(wordsFor(n));
    if (fill != -1) fillWords(words, fill != 0 ? 0xFF : 0, wordCount);
    assert(invariantHolds(*this));
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::nado(std::uint32_t n, const char* pattern, std::uint32_t length) {
    // The scan stops at the NUL, so no byte past the pattern is read.
    if (pattern != nullptr && length != 0 && std::memchr(pattern, 0, length) != nullptr)
        raise(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
    const std::size_t period = pattern == nullptr ? 0 : length != 0 ? length : std::strlen(pattern);
    const AsCalled<char> kept(*this, pattern, period);
    nado(n, -1);
    if (pattern == nullptr) raise(_ZELMAR_FLAGROW::kNullPointer, ZELMAR_FLAGROW_HERE);
    if (period == 0) {
        release();
        return *this;
    }
    if (bitCount == 0) return *this;
    const std::size_t first = period < bitCount ? period : bitCount;
    kernels().textToBits(kept.data(), first, words);
    detail::repeatPrefix(words, first, bitCount);
    assert(invariantHolds(*this));
    return *this;
}

// ---- Ranges ------------------------------------------------------------------

ZELMAR_FLAGROW& ZELMAR_FLAGROW::changeRangeLong(std::uint32_t i, std::uint32_t j,
                                                detail::RangeOp op) {
    detail::applyRange(words, i, checkedRangeEnd(bitCount, i, j), op);
    return *this;
}

bool ZELMAR_FLAGROW::testLong(std::uint32_t i, std::uint32_t j) const {
    if (bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    return detail::anyInRange(words, i, checkedRangeEnd(bitCount, i, j));
}

std::uint32_t ZELMAR_FLAGROW::schet(std::uint32_t i, std::uint32_t j) const {
    if (bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    return static_cast<std::uint32_t>(
        detail::countInRange(words, i, checkedRangeEnd(bitCount, i, j)));
}

bool ZELMAR_FLAGROW::all(std::uint32_t i, std::uint32_t j) const {
    if (bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    return detail::allInRange(words, i, checkedRangeEnd(bitCount, i, j));
}

// ---- Whole-vector queries ------------------------------------------------------

bool ZELMAR_FLAGROW::testLong() const {
    if (bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    return anySet();
}

bool ZELMAR_FLAGROW::anySet() const noexcept {
    return detail::anyBit(words, bitCount, [](const Word* w, std::size_t n) {
        return Word{kernels().findNonZero(w, n) != n};
    });
}

std::uint32_t ZELMAR_FLAGROW::schetLong() const {
    if (bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    return setCount();
}

std::uint32_t ZELMAR_FLAGROW::setCount() const noexcept {
    return static_cast<std::uint32_t>(detail::countBits(words, bitCount, kernels().popcount));
}

bool ZELMAR_FLAGROW::equalLong(const ZELMAR_FLAGROW& a, const ZELMAR_FLAGROW& b) {
    if (a.bitCount != b.bitCount) return false;
    if (a.bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    return detail::equalBits(a.words, b.words, a.bitCount,
                             [](const Word* x, const Word* y, std::size_t n) {
                                 return std::memcmp(x, y, n * sizeof(Word)) == 0;
                             });
}

// ---- Text form -------------------------------------------------------------------

void ZELMAR_FLAGROW::impStr(const char* text, std::uint32_t start, std::uint32_t count) {
    if (text == nullptr) raise(_ZELMAR_FLAGROW::kNullPointer, ZELMAR_FLAGROW_HERE);
    std::uint32_t n = count;
    if (count == kToEnd) {
        const std::size_t length = std::strlen(text);
        if (length == 0) return release();
        if (start > length) raise(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
        if (length - start > kMaxBits) detail::outOfMemory(ZELMAR_FLAGROW_HERE);
        n = static_cast<std::uint32_t>(length - start);
    } else {
        // Only the characters asked for are scanned, none at or past start + count; a NUL among
        // them means the text is shorter than start + count, or empty.
        const std::uint64_t end = std::uint64_t{start} + count;
        const std::size_t scan = end < std::numeric_limits<std::size_t>::max()
                                     ? static_cast<std::size_t>(end)
                                     : std::numeric_limits<std::size_t>::max();
        const void* nul = scan != 0 ? std::memchr(text, 0, scan) : nullptr;
        if (nul == text) return release();
        if (nul != nullptr) raise(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
    }
    if (n == 0) {
        // The storage stays for the next sizing, as a zero-character import promises.
        bitCount = 0;
        wordCount = 0;
        return;
    }
    const AsCalled<char> source(*this, text + start, n);
    if (capacityBits < n) {
        nado(n, -1);
    } else {
        bitCount = n;
        wordCount = static_cast<std::uint32_t>(wordsFor(n));
    }
    kernels().textToBits(source.data(), n, words);
    assert(invariantHolds(*this));
}

std::uint32_t ZELMAR_FLAGROW::expStr(char* buffer, std::uint32_t size) const {
    // bitCount + 1 would not fit the answer: no buffer can be big enough.
    if (bitCount == kMaxBits) return kMaxBits;
    const std::uint32_t need = bitCount + 1;
    if (buffer == nullptr || size < need) return need;
    if (bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    kernels().bitsToText(words, bitCount, buffer);
    std::memset(buffer + bitCount, 0, size - bitCount);
    return 0;
}

// ---- Word-array form ---------------------------------------------------------------

std::uint32_t ZELMAR_FLAGROW::expULLong(std::uint32_t* buffer, std::uint32_t count,
                                        std::uint32_t from, std::uint32_t to) const {
    if (detail::isWholeVector(from, to)) from = 0;
    if (bitCount == 0) {
        // Only the whole (empty) vector can be asked for: there is no last bit to cut at.
        if (from != 0 || to != kToEnd) raise(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
        if (buffer != nullptr) std::memset(buffer, 0, std::size_t{count} * sizeof(Word));
        return 0;
    }
    if (to >= bitCount) to = bitCount - 1;
    if (to < from) raise(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
    const std::uint32_t n = to - from + 1;
    const auto need = static_cast<std::uint32_t>(wordsFor(n));
    if (!detail::bufferTakes(buffer, count, need)) return need;
    detail::extractBits(words, from, n, buffer);
    std::memset(buffer + need, 0, std::size_t{count - need} * sizeof(Word));
    return 0;
}

// impUL(buffer, count), the whole vector, stands in the public header: it does a short vector
// there, in a loop with no call, and leaves every other vector, a buffer too small or null and
// so every call that throws, to the member below, impUL(0, -1, buffer, count).

std::uint32_t ZELMAR_FLAGROW::impUL(std::uint32_t from, std::uint32_t to,
                                    const std::uint32_t* buffer, std::uint32_t count) {
    if (to == kToEnd) {
        if (bitCount == 0) {
            if (from != 0) raise(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
            return 0;
        }
        to = bitCount - 1;
    }
    if (to < from) raise(_ZELMAR_FLAGROW::kOutOfRange, ZELMAR_FLAGROW_HERE);
    const std::uint32_t n = to - from + 1;
    const auto need = static_cast<std::uint32_t>(wordsFor(n));
    if (need > count) return need;
    if (buffer == nullptr) raise(_ZELMAR_FLAGROW::kNullPointer, ZELMAR_FLAGROW_HERE);
    const AsCalled<Word> source(*this, buffer, need);
    if (to >= bitCount) {
        Word local[detail::kInsideWords];
        Word* fresh = grownCopy(words, bitCount, std::uint64_t{to} + 1, from, local);
        detail::depositBits(fresh, from, n, source.data());
        adopt(fresh, to + 1);
    } else {
        detail::depositBits(words, from, n, source.data());
    }
    assert(invariantHolds(*this));
    return 0;
}

// ---- Growth ------------------------------------------------------------------------

ZELMAR_FLAGROW& ZELMAR_FLAGROW::plus(std::uint32_t n, std::int32_t fill) {
    if (n == 0) return *this;
    const std::uint64_t total = std::uint64_t{bitCount} + n;
    if (total > kMaxBits) raise(_ZELMAR_FLAGROW::kNoMemory, ZELMAR_FLAGROW_HERE);
    Word local[detail::kInsideWords];
    Word* fresh = grownCopy(words, bitCount, total, bitCount, local);
    detail::applyRange(fresh, bitCount, total,
                       fill != 0 ? detail::RangeOp::set : detail::RangeOp::clear);
    adopt(fresh, static_cast<std::uint32_t>(total));
    assert(invariantHolds(*this));
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::operator+=(const ZELMAR_FLAGROW& r) {
    if (r.bitCount == 0) return *this;
    const std::uint64_t total = std::uint64_t{bitCount} + r.bitCount;
    if (total > kMaxBits) raise(_ZELMAR_FLAGROW::kNoMemory, ZELMAR_FLAGROW_HERE);
    Word local[detail::kInsideWords];
    Word* fresh = grownCopy(words, bitCount, total, bitCount, local);
    // r may be this vector: its words are read before adopt() frees them.
    detail::depositBits(fresh, bitCount, r.bitCount, r.words);
    adopt(fresh, static_cast<std::uint32_t>(total));
    assert(invariantHolds(*this));
    return *this;
}

// ---- Growth keeping the bits ------------------------------------------------------

void ZELMAR_FLAGROW::reallocate(std::size_t held) {
    assert(held >= wordCount);
    Word* fresh = detail::fitsInside(held) ? insideWords : allocate(held);
    if (fresh != words) {
        if (wordCount != 0) std::memcpy(fresh, words, std::size_t{wordCount} * sizeof(Word));
        if (words != insideWords) delete[] words;
        words = fresh;
    }
    capacityBits = bitsHeld(held);
}

void ZELMAR_FLAGROW::makeRoom(std::uint64_t bits) {
    if (bits > kMaxBits) raise(_ZELMAR_FLAGROW::kNoMemory, ZELMAR_FLAGROW_HERE);
    if (bits <= capacityBits) return;
    // Doubling keeps a run of push_back amortised O(1), as the standard containers do.
    const std::size_t doubled = std::min(2 * wordsFor(capacityBits), wordsFor(kMaxBits));
    reallocate(std::max(wordsFor(bits), doubled));
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::resize(std::uint32_t n, bool value) {
    if (n > bitCount) {
        makeRoom(n);
        // The storage past the old size is stale or fresh: the new bits are written, not merged.
        detail::applyRange(words, bitCount, n,
                           value ? detail::RangeOp::set : detail::RangeOp::clear);
    }
    bitCount = n;
    wordCount = static_cast<std::uint32_t>(wordsFor(n));
    assert(invariantHolds(*this));
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::pop_back() {
    if (bitCount == 0) raise(_ZELMAR_FLAGROW::kEmpty, ZELMAR_FLAGROW_HERE);
    bitCount = bitCount - 1;
    wordCount = static_cast<std::uint32_t>(wordsFor(bitCount));
    return *this;
}

void ZELMAR_FLAGROW::reserve(std::uint32_t bits) {
    if (bits > capacityBits) reallocate(wordsFor(bits));
}

// ---- Many listed bits --------------------------------------------------------------

ZELMAR_FLAGROW& ZELMAR_FLAGROW::vkl(std::span<const std::uint32_t> bits) {
    changeListed(*this, words, bits, [](Word& word, Word bit) { word |= bit; });
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::otkl(std::span<const std::uint32_t> bits) {
    changeListed(*this, words, bits, [](Word& word, Word bit) { word &= ~bit; });
    return *this;
}

ZELMAR_FLAGROW& ZELMAR_FLAGROW::invert(std::span<const std::uint32_t> bits) {
    changeListed(*this, words, bits, [](Word& word, Word bit) { word ^= bit; });
    return *this;
}

}  // namespace Quandrelissa
