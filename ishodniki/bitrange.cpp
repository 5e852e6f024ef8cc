#include "bitrange.h"

#include <bit>
#include <cstring>

#include "kernels.h"
#include "word_scan.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa::detail {
namespace {

void merge(Word& word, Word value, Word mask) noexcept { word = (word & ~mask) | (value & mask); }

}  // namespace

void applyRange(Word* w, std::uint64_t first, std::uint64_t end, RangeOp op) noexcept {
    changeRange(w, rangeWords(first, end), op, [op](Word* middle, std::size_t n) {
        switch (op) {
            case RangeOp::set:
                std::memset(middle, 0xFF, n * sizeof(Word));
                break;
            case RangeOp::clear:
                std::memset(middle, 0, n * sizeof(Word));
                break;
            case RangeOp::flip:
                kernels().notWords(middle, middle, n);
                break;
        }
    });
}

bool anyInRange(const Word* w, std::uint64_t first, std::uint64_t end) noexcept {
    return anyInRange(w, rangeWords(first, end), [](const Word* middle, std::size_t n) {
        return Word{kernels().findNonZero(middle, n) != n};
    });
}

std::uint64_t countInRange(const Word* w, std::uint64_t first, std::uint64_t end) noexcept {
    const RangeWords r = rangeWords(first, end);
    if (r.first == r.last) return popcount64(w[r.first] & r.head & r.tail);
    return popcount64(w[r.first] & r.head) +
           kernels().popcount(w + r.first + 1, r.last - r.first - 1) +
           popcount64(w[r.last] & r.tail);
}

bool allInRange(const Word* w, std::uint64_t first, std::uint64_t end) noexcept {
    const RangeWords r = rangeWords(first, end);
    const auto covers = [](Word word, Word mask) { return (word & mask) == mask; };
    if (r.first == r.last) return covers(w[r.first], r.head & r.tail);
    const std::size_t middle = r.last - r.first - 1;
    return covers(w[r.first], r.head) &&
           firstDiffering(w + r.first + 1, middle, kAllOnes) == middle && covers(w[r.last], r.tail);
}

void extractBits(const Word* src, std::uint64_t from, std::uint64_t n, Word* dst) noexcept {
    const std::size_t s = static_cast<std::size_t>(from / kWordBits);
    const auto b = static_cast<unsigned>(from % kWordBits);
    const std::size_t count = wordsFor(n);
    const std::size_t lastSrc = static_cast<std::size_t>((from + n - 1) / kWordBits);
    if (b == 0) {
        std::memcpy(dst, src + s, count * sizeof(Word));
    } else {
        // Starting at bit 4 of {0xAABBCCDD, 0xEEFF0011}: word 0 becomes 0x1AABBCCD, the low
        // nibble of the next word dropping in at the top.
        if (count > 1) kernels().funnelDown(dst, src + s, count - 1, b);
        const Word high = s + count <= lastSrc ? src[s + count] << (kWordBits - b) : 0;
        dst[count - 1] = src[s + count - 1] >> b | high;
    }
    dst[count - 1] &= lowMask(n);
}

void depositBits(Word* dst, std::uint64_t at, std::uint64_t n, const Word* src) noexcept {
    const std::size_t d = static_cast<std::size_t>(at / kWordBits);
    const auto b = static_cast<unsigned>(at % kWordBits);
    const std::uint64_t end = at + n;
    const std::size_t span = static_cast<std::size_t>((end - 1) / kWordBits) - d + 1;
    const std::size_t count = wordsFor(n);
    // Destination word d + j gathers the low bits of src[j] shifted up by b and the high bits
    // of src[j - 1] carried over.
    const auto gathered = [&](std::size_t j) -> Word {
        const Word low = j < count ? src[j] << b : 0;
        const Word carry = b != 0 && j >= 1 ? src[j - 1] >> (kWordBits - b) : 0;
        return low | carry;
    };
    if (span == 1) return merge(dst[d], gathered(0), highMask(b) & lowMask(end));
    merge(dst[d], gathered(0), highMask(b));
    if (span > 2) {
        if (b == 0)
            std::memcpy(dst + d + 1, src + 1, (span - 2) * sizeof(Word));
        else  // gathered(j) for j = 1 .. span - 2, as the ascending kernel writes it
            kernels().funnelDown(dst + d + 1, src, span - 2, kWordBits - b);
    }
    merge(dst[d + span - 1], gathered(span - 1), lowMask(end));
}

void repeatPrefix(Word* w, std::uint64_t period, std::uint64_t total) noexcept {
    for (std::uint64_t done = period; done < total;) {
        const std::uint64_t n = done < total - done ? done : total - done;
        // The words past the prefix are not yet written; the merge into the end word keeps
        // its bits above the range, which must come out 0.
        const std::size_t endWord = static_cast<std::size_t>((done + n - 1) / kWordBits);
        if (endWord >= wordsFor(done)) w[endWord] = 0;
        depositBits(w, done, n, w);
        done += n;
    }
}

}  // namespace Quandrelissa::detail
