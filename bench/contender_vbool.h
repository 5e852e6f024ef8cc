// std::vector<bool>: the standard library's own bit vector, with the standard algorithms a user
// would reach for. It has no combining operators and no shifts.
#ifndef ZELMAR_FLAGROW_BENCH_CONTENDER_VBOOL_H
#define ZELMAR_FLAGROW_BENCH_CONTENDER_VBOOL_H

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bit_loops.h"

namespace bench {

struct VBool : RangeWordsByBits {
    using Vec = std::vector<bool>;
    using Word = std::uint64_t;
    using Tail = Vec;
    static constexpr const char* name = "vbool";
    /// Only bit-by-bit loops fill it, seconds at the largest size: inputs are built once.
    static constexpr bool kSlowToBuild = true;

    static Vec build(std::span<const std::uint64_t> words, std::uint32_t bits) {
        Vec v(bits);
        unpackBits(words, v, 0, bits);
        return v;
    }
    static Vec zeros(std::uint32_t bits) { return Vec(bits); }

    static auto count(const Vec& v) { return std::count(v.begin(), v.end(), true); }
    static bool any(const Vec& v) { return std::find(v.begin(), v.end(), true) != v.end(); }
    static bool anyIn(const Vec& v, std::uint32_t from, std::uint32_t to) {
        const auto end = v.begin() + to + 1;
        return std::find(v.begin() + from, end, true) != end;
    }
    static bool equal(const Vec& a, const Vec& b) { return a == b; }
    static Vec complement(const Vec& v) {
        Vec c(v);
        c.flip();
        return c;
    }

    static void fillRange(Vec& v, std::uint32_t from, std::uint32_t to, bool value) {
        std::fill(v.begin() + from, v.begin() + to + 1, value);
    }

    static void toText(const Vec& v, std::string& out) {
        for (std::size_t i = 0; i < v.size(); ++i) out[i] = v[i] ? '1' : '0';
    }
    static void fromText(Vec& v, const std::string& text) {
        for (std::size_t i = 0; i < v.size(); ++i) v[i] = text[i] != '0';
    }

    static void toWords(const Vec& v, std::vector<Word>& out) { packBits(v, 0, v.size(), out); }
    static void fromWords(Vec& v, const std::vector<Word>& in) { unpackBits(in, v, 0, v.size()); }

    static void growOnes(Vec& v, std::uint32_t k) { v.resize(v.size() + k, true); }
    static const Tail& tail(const Vec& v) { return v; }
    static void append(Vec& v, const Tail& t) { v.insert(v.end(), t.begin(), t.end()); }
    static void refill(Vec& v, std::uint32_t bits) { v.assign(bits, true); }

    static void setBit(Vec& v, std::uint32_t i) { v[i] = true; }
    static bool testBit(const Vec& v, std::uint32_t i) { return v[i]; }

    template <class F>
    static void walk(const Vec& v, F f) {
        const auto n = static_cast<std::uint32_t>(v.size());
        for (std::uint32_t i = 0; i < n; ++i)
            if (v[i]) f(i);
    }
};

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_CONTENDER_VBOOL_H
