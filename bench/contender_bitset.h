// std::bitset<N>: the standard library's fixed-size bit set, inline and heap-free, at the sizes
// it is compiled for, on the rows where it has the operation itself. Its shifts name the other
// direction, as boost's do.
#ifndef ZELMAR_FLAGROW_BENCH_CONTENDER_BITSET_H
#define ZELMAR_FLAGROW_BENCH_CONTENDER_BITSET_H

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "logic.h"
#include "rows.h"

namespace bench {

template <std::uint32_t N>
struct StdBitset {
    using Vec = std::bitset<N>;
    static constexpr const char* name = "bitset";

    static Vec build(std::span<const std::uint64_t> words, std::uint32_t bits) {
        require(bits == N, "std::bitset (size)");
        Vec v;
        for (std::uint32_t i = 0; i < N; ++i) v[i] = ((words[i / 64] >> (i % 64)) & 1) != 0;
        return v;
    }
    static Vec zeros(std::uint32_t) { return Vec(); }

    static std::size_t count(const Vec& v) { return v.count(); }
    static bool any(const Vec& v) { return v.any(); }
    template <Logic op>
    static void combine(Vec& a, const Vec& b) {
        combineInto<op>(a, b);
    }

    static Vec complement(const Vec& v) { return ~v; }

    static void shiftDown(Vec& v, std::uint32_t k) { v >>= k; }
    static void shiftUp(Vec& v, std::uint32_t k) { v <<= k; }

    /// The checked forms, which throw out_of_range as ours throws code 4.
    static void setBit(Vec& v, std::uint32_t i) { v.set(i); }
    static bool testBit(const Vec& v, std::uint32_t i) { return v.test(i); }

    static std::size_t countAnd(const Vec& a, const Vec& b) { return (a & b).count(); }
    static bool intersects(const Vec& a, const Vec& b) { return (a & b).any(); }
};

/// Calls f.template operator()<StdBitset<N>>() when std::bitset is compiled for N = size.bits.
template <class F>
void atFixedSize(Size size, F f) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((size.bits == kSizes[I].bits ? f.template operator()<StdBitset<kSizes[I].bits>>()
                                      : void()),
         ...);
    }
    (std::make_index_sequence<kFixedSizes>{});
}

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_CONTENDER_BITSET_H
