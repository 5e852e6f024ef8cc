// The loops a user of a peer without a bulk form writes: one bit through operator[] per step.
#ifndef ZELMAR_FLAGROW_BENCH_BIT_LOOPS_H
#define ZELMAR_FLAGROW_BENCH_BIT_LOOPS_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace bench {

/// Bits from .. from + count - 1 of v into out, packed from bit 0 of out[0]; the rest of out is 0.
template <class V>
void packBits(const V& v, std::size_t from, std::size_t count, std::span<std::uint64_t> out) {
    for (auto& w : out) w = 0;
    for (std::size_t i = 0; i < count; ++i) {
        out[i / 64] |= std::uint64_t{v[from + i]} << (i % 64);
    }
}

/// The first `count` bits of `in` into bits from .. from + count - 1 of v.
template <class V>
void unpackBits(std::span<const std::uint64_t> in, V& v, std::size_t from, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) v[from + i] = ((in[i / 64] >> (i % 64)) & 1) != 0;
}

/// The word export and import of a range, for peers that only reach a range bit by bit.
struct RangeWordsByBits {
    template <class V>
    static void toWordsIn(const V& v, std::vector<std::uint64_t>& out, std::uint32_t from,
                          std::uint32_t to) {
        packBits(v, from, to - from + 1, out);
    }
    template <class V>
    static void fromWordsIn(V& v, const std::vector<std::uint64_t>& in, std::uint32_t from,
                            std::uint32_t to) {
        unpackBits(in, v, from, to - from + 1);
    }
};

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_BIT_LOOPS_H
