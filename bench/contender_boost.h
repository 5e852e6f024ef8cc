// boost::dynamic_bitset on 64-bit blocks: the peer with whole-block operators. Its shifts name
// the other direction: its >>= moves bits towards bit 0, which is our <<=.
#ifndef ZELMAR_FLAGROW_BENCH_CONTENDER_BOOST_H
#define ZELMAR_FLAGROW_BENCH_CONTENDER_BOOST_H

#include <boost/dynamic_bitset.hpp>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bit_loops.h"
#include "logic.h"

namespace bench {

struct Boost : RangeWordsByBits {
    using Vec = boost::dynamic_bitset<std::uint64_t>;
    using Word = std::uint64_t;
    /// Appending takes blocks, so the appended vector comes as its blocks.
    using Tail = std::vector<Word>;
    static constexpr const char* name = "boost";

    static Vec build(std::span<const std::uint64_t> words, std::uint32_t bits) {
        Vec v(words.begin(), words.end());
        v.resize(bits);
        return v;
    }
    static Vec zeros(std::uint32_t bits) { return Vec(bits); }

    static auto count(const Vec& v) { return v.count(); }
    static bool any(const Vec& v) { return v.any(); }
    static bool anyIn(const Vec& v, std::uint32_t from, std::uint32_t to) {
        return v.find_next(from - 1) <= to;
    }
    static bool equal(const Vec& a, const Vec& b) { return a == b; }
    template <Logic op>
    static void combine(Vec& a, const Vec& b) {
        combineInto<op>(a, b);
    }
    static Vec complement(const Vec& v) { return ~v; }

    static void shiftDown(Vec& v, std::uint32_t k) { v >>= k; }
    static void shiftUp(Vec& v, std::uint32_t k) { v <<= k; }

    static void fillRange(Vec& v, std::uint32_t from, std::uint32_t to, bool value) {
        v.set(from, to - from + 1, value);
    }
    static void flipRange(Vec& v, std::uint32_t from, std::uint32_t to) {
        v.flip(from, to - from + 1);
    }

    /// The text comes out highest bit first: the same characters in the other order.
    static void toText(const Vec& v, std::string& out) { boost::to_string(v, out); }
    static void fromText(Vec& v, const std::string& text) { v = Vec(text); }

    static void toWords(const Vec& v, std::vector<Word>& out) {
        boost::to_block_range(v, out.begin());
    }
    static void fromWords(Vec& v, const std::vector<Word>& in) {
        boost::from_block_range(in.begin(), in.end(), v);
    }

    static void growOnes(Vec& v, std::uint32_t k) { v.resize(v.size() + k, true); }
    static Tail tail(const Vec& v) {
        Tail blocks(v.num_blocks());
        boost::to_block_range(v, blocks.begin());
        return blocks;
    }
    static void append(Vec& v, const Tail& t) { v.append(t.begin(), t.end()); }
    static void refill(Vec& v, std::uint32_t bits) {
        v.clear();
        v.resize(bits, true);
    }

    static void setBit(Vec& v, std::uint32_t i) { v.set(i); }
    static bool testBit(const Vec& v, std::uint32_t i) { return v.test(i); }

    static std::uint32_t findNext(const Vec& v, std::uint32_t i) {
        return static_cast<std::uint32_t>(v.find_next(i));
    }
    static bool intersects(const Vec& a, const Vec& b) { return a.intersects(b); }
    static bool isSubset(const Vec& a, const Vec& b) { return a.is_subset_of(b); }
    static void subtract(Vec& a, const Vec& b) { a -= b; }

    template <class F>
    static void walk(const Vec& v, F f) {
        for (auto i = v.find_first(); i != Vec::npos; i = v.find_next(i))
            f(static_cast<std::uint32_t>(i));
    }
    static auto countAnd(const Vec& a, const Vec& b) { return (a & b).count(); }
};

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_CONTENDER_BOOST_H
