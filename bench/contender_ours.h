// The vector under test, through the members a user would call for each row.
#ifndef ZELMAR_FLAGROW_BENCH_CONTENDER_OURS_H
#define ZELMAR_FLAGROW_BENCH_CONTENDER_OURS_H

#include <ZELMAR_FLAGROW.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "logic.h"
#include "rows.h"

namespace bench {

struct Ours {
    using Vec = Quandrelissa::ZELMAR_FLAGROW;
    using Word = std::uint32_t;
    using Tail = Vec;
    static constexpr const char* name = "ours";

    static Vec build(std::span<const std::uint64_t> words, std::uint32_t bits) {
        // The 64-bit words laid out in memory are the 32-bit word array of the same bits.
        std::vector<Word> halves(words.size() * 2);
        std::memcpy(halves.data(), words.data(), words.size_bytes());
        Vec v(bits, -1);
        require(v.impUL(halves) == 0, "impUL (input)");
        return v;
    }
    static Vec zeros(std::uint32_t bits) { return Vec(bits); }

    static std::uint32_t count(const Vec& v) { return v.schet(); }
    static bool any(const Vec& v) { return v.test(); }
    static bool anyIn(const Vec& v, std::uint32_t from, std::uint32_t to) {
        return v.test(from, to);
    }
    static bool equal(const Vec& a, const Vec& b) { return a == b; }
    template <Logic op>
    static void combine(Vec& a, const Vec& b) {
        combineInto<op>(a, b);
    }
    static Vec complement(const Vec& v) { return ~v; }

    static void shiftDown(Vec& v, std::uint32_t k) { v <<= k; }
    static void shiftUp(Vec& v, std::uint32_t k) { v >>= k; }

    static void fillRange(Vec& v, std::uint32_t from, std::uint32_t to, bool value) {
        if (value) {
            v.vkl(from, to);
        } else {
            v.otkl(from, to);
        }
    }
    static void flipRange(Vec& v, std::uint32_t from, std::uint32_t to) { v.invert(from, to); }

    static void toText(const Vec& v, std::string& out) {
        require(v.expStr(out.data(), static_cast<std::uint32_t>(out.size())) == 0, "expStr");
    }
    static void fromText(Vec& v, const std::string& text) { v.impStr(text.c_str()); }

    static void toWords(const Vec& v, std::vector<Word>& out) {
        require(v.expUL(out) == 0, "expUL");
    }
    static void fromWords(Vec& v, const std::vector<Word>& in) {
        require(v.impUL(in) == 0, "impUL");
    }
    static void toWordsIn(const Vec& v, std::vector<Word>& out, std::uint32_t from,
                          std::uint32_t to) {
        require(v.expUL(out, from, to) == 0, "expUL (range)");
    }
    static void fromWordsIn(Vec& v, const std::vector<Word>& in, std::uint32_t from,
                            std::uint32_t to) {
        require(v.impUL(from, to, in) == 0, "impUL (range)");
    }

    static void growOnes(Vec& v, std::uint32_t k) { v.plus(k, 1); }
    static const Tail& tail(const Vec& v) { return v; }
    static void append(Vec& v, const Tail& t) { v += t; }
    static void refill(Vec& v, std::uint32_t bits) { v.nado(bits, 1); }

    static void setBit(Vec& v, std::uint32_t i) { v.vkl(i); }
    static bool testBit(const Vec& v, std::uint32_t i) { return v.test(i); }

    static std::uint32_t findNext(const Vec& v, std::uint32_t i) { return v.find_next(i); }
    static bool intersects(const Vec& a, const Vec& b) { return a.intersects(b); }
    static bool isSubset(const Vec& a, const Vec& b) { return a.is_subset_of(b); }
    static void subtract(Vec& a, const Vec& b) { a -= b; }

    template <class F>
    static void walk(const Vec& v, F f) {
        for (const std::uint32_t i : v.set_bits()) f(i);
    }
    static std::uint32_t countAnd(const Vec& a, const Vec& b) { return a.count_and(b); }
};

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_CONTENDER_OURS_H
