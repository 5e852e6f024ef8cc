// The floor: a plain array of 64-bit words moved with memcpy, memmove and memset or read and
// written by a plain loop, doing the memory traffic of each row and nothing else. Its arrays get
// the same large-page hint as the library's, so that page faults do not lift the floor.
#ifndef ZELMAR_FLAGROW_BENCH_CONTENDER_RAW_H
#define ZELMAR_FLAGROW_BENCH_CONTENDER_RAW_H

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "large_pages.h"
#include "logic.h"

namespace bench {

/// Owned, uninitialised words for `bits` bits.
class RawBits {
public:
    explicit RawBits(std::size_t bits)
        : bits_(bits),
          words_((bits + 63) / 64),
          data_(std::make_unique_for_overwrite<std::uint64_t[]>(words_)) {
        Quandrelissa::detail::adviseLargePages(data_.get(), bytes());
    }
    RawBits(const RawBits& other) : RawBits(other.bits_) {
        std::memcpy(data(), other.data(), bytes());
    }
    RawBits(RawBits&&) noexcept = default;
    RawBits& operator=(RawBits&&) noexcept = default;
    RawBits& operator=(const RawBits&) = delete;
    ~RawBits() = default;

    std::uint64_t* data() { return data_.get(); }
    const std::uint64_t* data() const { return data_.get(); }
    std::size_t bits() const { return bits_; }
    std::size_t words() const { return words_; }
    std::size_t bytes() const { return words_ * sizeof(std::uint64_t); }

private:
    std::size_t bits_;
    std::size_t words_;
    std::unique_ptr<std::uint64_t[]> data_;
};

/// The OR of `n` words, a plain loop the compiler vectorises: one pass of reading.
inline std::uint64_t readWords(const std::uint64_t* w, std::size_t n) {
    std::uint64_t any = 0;
    for (std::size_t i = 0; i < n; ++i) any |= w[i];
    return any;
}

struct Raw {
    using Vec = RawBits;
    using Word = std::uint64_t;
    using Tail = RawBits;
    static constexpr const char* name = "raw";

    static Vec build(std::span<const std::uint64_t> words, std::uint32_t bits) {
        Vec v(bits);
        std::memcpy(v.data(), words.data(), v.bytes());
        return v;
    }
    static Vec zeros(std::uint32_t bits) {
        Vec v(bits);
        std::memset(v.data(), 0, v.bytes());
        return v;
    }

    static std::uint64_t count(const Vec& v) { return readWords(v.data(), v.words()); }
    static bool any(const Vec& v) { return readWords(v.data(), v.words()) != 0; }
    static bool anyIn(const Vec& v, std::uint32_t from, std::uint32_t to) {
        return readWords(v.data() + from / 64, to / 64 - from / 64 + 1) != 0;
    }
    static bool equal(const Vec& a, const Vec& b) {
        return std::memcmp(a.data(), b.data(), a.bytes()) == 0;
    }
    template <Logic op>
    static void combine(Vec& a, const Vec& b) {
        const std::size_t n = std::min(a.words(), b.words());
        std::uint64_t* x = a.data();
        const std::uint64_t* y = b.data();
        for (std::size_t i = 0; i < n; ++i) combineInto<op>(x[i], y[i]);
    }
    static Vec complement(const Vec& v) {
        Vec c(v.bits());
        for (std::size_t i = 0; i < v.words(); ++i) c.data()[i] = ~v.data()[i];
        return c;
    }

    /// memmove by the shift's whole words (at least one) and memset of the words it vacates.
    static void shiftDown(Vec& v, std::uint32_t k) {
        const std::size_t gap = std::max<std::size_t>(1, k / 64);
        std::memmove(v.data(), v.data() + gap, (v.words() - gap) * sizeof(Word));
        std::memset(v.data() + v.words() - gap, 0, gap * sizeof(Word));
    }
    static void shiftUp(Vec& v, std::uint32_t k) {
        const std::size_t gap = std::max<std::size_t>(1, k / 64);
        std::memmove(v.data() + gap, v.data(), (v.words() - gap) * sizeof(Word));
        std::memset(v.data(), 0, gap * sizeof(Word));
    }

    static void fillRange(Vec& v, std::uint32_t from, std::uint32_t to, bool value) {
        std::memset(v.data() + from / 64, value ? 0xFF : 0, (to / 64 - from / 64 + 1) * 8);
    }
    static void flipRange(Vec& v, std::uint32_t from, std::uint32_t to) {
        for (std::size_t i = from / 64; i <= to / 64; ++i) v.data()[i] = ~v.data()[i];
    }

    static void toText(const Vec& v, std::string& out) { std::memset(out.data(), '0', v.bits()); }
    static void fromText(Vec& v, const std::string& text) {
        unsigned char any = 0;
        for (const char c : text) any |= static_cast<unsigned char>(c);
        v.data()[0] = any;
    }

    static void toWords(const Vec& v, std::vector<Word>& out) {
        std::memcpy(out.data(), v.data(), v.bytes());
    }
    static void fromWords(Vec& v, const std::vector<Word>& in) {
        std::memcpy(v.data(), in.data(), v.bytes());
    }
    /// The bytes of the range, copied whole: what any packing of it has to move.
    static void toWordsIn(const Vec& v, std::vector<Word>& out, std::uint32_t from,
                          std::uint32_t to) {
        std::memcpy(out.data(), reinterpret_cast<const char*>(v.data()) + from / 8,
                    (to - from) / 8 + 1);
    }
    /// Grows first when the range runs past the end, as a word import does.
    static void fromWordsIn(Vec& v, const std::vector<Word>& in, std::uint32_t from,
                            std::uint32_t to) {
        if (to >= v.bits()) {
            Vec grown(std::size_t{to} + 1);
            std::memcpy(grown.data(), v.data(), v.bytes());
            v = std::move(grown);
        }
        std::memcpy(reinterpret_cast<char*>(v.data()) + from / 8, in.data(), (to - from) / 8 + 1);
    }

    static void growOnes(Vec& v, std::uint32_t k) {
        Vec grown(v.bits() + k);
        std::memcpy(grown.data(), v.data(), v.bytes());
        std::memset(grown.data() + v.words(), 0xFF, grown.bytes() - v.bytes());
        v = std::move(grown);
    }
    static const Tail& tail(const Vec& v) { return v; }
    static void append(Vec& v, const Tail& t) {
        Vec joined(v.bits() + t.bits());
        std::memcpy(joined.data(), v.data(), v.bytes());
        std::memcpy(joined.data() + v.words(), t.data(), t.bytes());
        v = std::move(joined);
    }
    static void refill(Vec& v, std::uint32_t) { std::memset(v.data(), 0xFF, v.bytes()); }

    static void setBit(Vec& v, std::uint32_t i) {
        v.data()[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    static bool testBit(const Vec& v, std::uint32_t i) {
        return (v.data()[i / 64] >> (i % 64)) & 1;
    }

    /// The limit of a walk over the set bits: the plain word loop, lowest bit first.
    template <class F>
    static void walk(const Vec& v, F f) {
        for (std::size_t k = 0; k < v.words(); ++k)
            for (std::uint64_t w = v.data()[k]; w != 0; w &= w - 1)
                f(static_cast<std::uint32_t>(k * 64 + static_cast<unsigned>(std::countr_zero(w))));
    }
};

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_CONTENDER_RAW_H
