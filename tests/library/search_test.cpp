// The searches, the set-bit view, the range counts and the set algebra against the reference
// model, under every kernel family, at every size up to past four words and a few larger ones,
// with garbage in the storage bits past the size.
#include <gtest/gtest.h>

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "edge.h"
#include "kernel_family.h"
#include "poison.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;
constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;

static_assert(std::forward_iterator<ZELMAR_FLAGROW::SetBitsView::iterator>);
static_assert(std::ranges::forward_range<ZELMAR_FLAGROW::SetBitsView>);
// An integer operand would otherwise become a vector of that many zeros.
template <class V>
concept TakesIntegerOperand = requires(V v) {
    v -= 5;
}
|| requires(V v) { v - 5; }
|| requires(V v) { 5u - v; };
static_assert(!TakesIntegerOperand<ZELMAR_FLAGROW>);
static_assert(TakesIntegerOperand<int>);

std::vector<std::uint32_t> sizes() {
    std::vector<std::uint32_t> all;
    for (std::uint32_t n = 0; n <= 130; ++n) all.push_back(n);
    for (const std::uint32_t n : {255u, 256u, 257u, 511u, 513u, 1000u, 2049u, 4160u})
        all.push_back(n);
    return all;
}

// A text of `n` bits: empty, full, sparse, dense or half set, by `kind`.
std::string randomText(std::uint32_t n, int kind, std::mt19937& rng) {
    std::string text(n, '0');
    const unsigned percent[] = {0, 100, 2, 98, 50};
    for (char& c : text)
        if (rng() % 100 < percent[kind]) c = '1';
    return text;
}

struct Pair {
    ZELMAR_FLAGROW actual;
    ReferenceVector expected;
};

Pair randomPair(std::uint32_t n, int kind, std::mt19937& rng) {
    const std::string text = randomText(n, kind, rng);
    Pair p{ZELMAR_FLAGROW(std::string_view(text)), ReferenceVector(std::string_view(text))};
    poisonTail(p.actual, kind % 2 == 0 ? 0xFFFFFFFFu : 0u);
    return p;
}

// Start points near every word boundary, past the end and -1.
std::vector<std::uint32_t> points(std::uint32_t n) {
    std::vector<std::uint32_t> at = {0, n, n + 1, kToEnd, kToEnd - 1};
    for (std::uint32_t p = 1; p < n; p += p % 32 == 31 || p % 32 == 0 ? 1u : 15u) at.push_back(p);
    if (n != 0) at.push_back(n - 1);
    return at;
}

// Range ends at the word boundaries around a start i, below it, and the clamped ends.
std::vector<std::uint32_t> endsAfter(std::uint32_t i, std::uint32_t n) {
    std::vector<std::uint32_t> at = {i - 1, n - 1, n, kToEnd};
    for (const std::uint32_t d : {0u, 1u, 30u, 31u, 32u, 33u, 63u, 64u, 65u, 200u})
        at.push_back(i + d);
    return at;
}

class Search : public EachKernelFamily {};

TEST_P(Search, EverySearchAgreesWithTheModel) {
    std::mt19937 rng(7);
    for (const std::uint32_t n : sizes()) {
        for (int kind = 0; kind < 5; ++kind) {
            const auto [v, m] = randomPair(n, kind, rng);
            SCOPED_TRACE(concat("size ", std::to_string(n), " ", m.to_string()));
            ASSERT_EQ(v.find_last(), m.find_last());
            ASSERT_EQ(v.find_first_unset(), m.find_first_unset());
            ASSERT_EQ(v.find_last_unset(), m.find_last_unset());
            for (const std::uint32_t i : points(n)) {
                ASSERT_EQ(v.find_first(i), m.find_first(i)) << i;
                ASSERT_EQ(v.find_prev(i), m.find_prev(i)) << i;
                ASSERT_EQ(v.find_next_unset(i), m.find_next_unset(i)) << i;
                ASSERT_EQ(v.find_prev_unset(i), m.find_prev_unset(i)) << i;
            }
            std::vector<std::uint32_t> walked;
            for (const std::uint32_t i : v.set_bits()) walked.push_back(i);
            ASSERT_EQ(walked, m.set_bits());
        }
    }
}

TEST_P(Search, RangeCountsAgreeWithTheModel) {
    std::mt19937 rng(11);
    for (const std::uint32_t n : sizes()) {
        for (int kind = 0; kind < 5; ++kind) {
            const Pair pair = randomPair(n, kind, rng);
            const ZELMAR_FLAGROW& v = pair.actual;
            const ReferenceVector& m = pair.expected;
            SCOPED_TRACE(concat("size ", std::to_string(n), " ", m.to_string()));
            for (const std::uint32_t i : points(n)) {
                for (const std::uint32_t j : endsAfter(i, n)) {
                    ASSERT_EQ(codeOf([&] { return v.schet(i, j); }),
                              codeOf([&] { return m.schet(i, j); }));
                    if (n == 0 || i > j || i >= n) continue;
                    ASSERT_EQ(v.schet(i, j), m.schet(i, j)) << i << ".." << j;
                    ASSERT_EQ(v.all(i, j), m.all(i, j)) << i << ".." << j;
                }
            }
        }
    }
}

TEST_P(Search, SetAlgebraAgreesWithTheModel) {
    std::mt19937 rng(13);
    const std::uint32_t some[] = {0, 1, 31, 32, 33, 64, 65, 127, 130, 257, 2049, 4160};
    for (const std::uint32_t n : some) {
        for (const std::uint32_t r : some) {
            for (int kind = 0; kind < 25; ++kind) {
                const auto [a, ma] = randomPair(n, kind % 5, rng);
                // A subset or a superset of a's common part now and then, so that both answers
                // of the tests come up.
                auto [b, mb] = randomPair(r, kind / 5, rng);
                SCOPED_TRACE(concat(ma.to_string(), " against ", mb.to_string()));
                ASSERT_EQ(a.intersects(b), ma.intersects(mb));
                ASSERT_EQ(a.is_subset_of(b), ma.is_subset_of(mb));
                ASSERT_EQ(b.is_subset_of(a), mb.is_subset_of(ma));
                ASSERT_EQ(difference(a - b, ma - mb), "");
                ZELMAR_FLAGROW left = a;
                ReferenceVector modelLeft = ma;
                left -= b;
                modelLeft -= mb;
                ASSERT_EQ(difference(left, modelLeft), "");
                const ZELMAR_FLAGROW& sameB = b;
                const ReferenceVector& sameMb = mb;
                b -= sameB;
                mb -= sameMb;
                ASSERT_EQ(difference(b, mb), "");
            }
        }
    }
}

// The tests stop at the first pair of words that decides: a lone shared bit counts in every
// pair, in an odd word after the pairs and in the last word, and one missing bit reads them all.
TEST_P(Search, SetsThatShareOneBitMeetWhereverItLies) {
    for (const std::uint32_t n : {63u, 200u, 256u, 1025u}) {
        for (std::uint32_t p = 0; p < n; ++p) {
            ZELMAR_FLAGROW one(n);
            one.vkl(p);
            ZELMAR_FLAGROW others(n, 1);
            others.otkl(p);
            poisonTail(others, 0xFFFFFFFFu);
            ASSERT_TRUE(one.intersects(~others)) << n << " " << p;
            ASSERT_FALSE(one.intersects(others)) << n << " " << p;
            ASSERT_FALSE(one.is_subset_of(others)) << n << " " << p;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, Search, kernelFamilies(), familyName);

TEST(SearchEdges, EmptyVectorAnswersZeroAndRangeCountsRefuseIt) {
    const ZELMAR_FLAGROW v;
    EXPECT_EQ(v.find_first(5), 0u);
    EXPECT_EQ(v.find_last(), 0u);
    EXPECT_EQ(v.find_prev(kToEnd), 0u);
    EXPECT_EQ(v.find_first_unset(), 0u);
    EXPECT_EQ(v.find_next_unset(0), 0u);
    EXPECT_EQ(v.find_last_unset(), 0u);
    EXPECT_TRUE(v.set_bits().begin() == v.set_bits().end());
    EXPECT_EQ(codeOf([&] { return v.schet(0, kToEnd); }), _ZELMAR_FLAGROW::kEmpty);
    EXPECT_EQ(codeOf([&] { return v.all(5, 2); }), _ZELMAR_FLAGROW::kEmpty);
}

TEST(SearchEdges, RangeCountsNameTheCheckingFile) {
    const ZELMAR_FLAGROW v(35, 1);
    const _ZELMAR_FLAGROW e = errorOf([&] { return v.schet(40, 100); });
    EXPECT_EQ(e.code(), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_STREQ(e.file(), kMembersFile);
    EXPECT_EQ(codeOf([&] { return v.all(6, 5); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(v.schet(3, kToEnd), 32u);
    EXPECT_TRUE(v.all(34, 34));
}

TEST(SearchEdges, SetBitsWorkWithTheStandardRanges) {
    ZELMAR_FLAGROW v(100);
    v.vkl(3).vkl(64).vkl(99);
    std::vector<std::uint32_t> odd;
    std::ranges::copy_if(v.set_bits(), std::back_inserter(odd),
                         [](std::uint32_t i) { return i % 2 == 1; });
    EXPECT_EQ(odd, (std::vector<std::uint32_t>{3, 99}));
    EXPECT_EQ(std::ranges::distance(v.set_bits()), 3);
}

TEST(SearchEdges, SetBitsCrossChunksAndStopAtTheSize) {
    ZELMAR_FLAGROW v(100, 1);
    v.otkl(0, 99).vkl(63).vkl(64).vkl(99);  // the storage bits past 99 stay ones
    std::vector<std::uint32_t> walked(v.set_bits().begin(), v.set_bits().end());
    EXPECT_EQ(walked, (std::vector<std::uint32_t>{63, 64, 99}));
}

TEST(SearchEdges, SubsetNeedsTheBitsPastTheOtherSizeClear) {
    ZELMAR_FLAGROW small(10);
    ZELMAR_FLAGROW large(70);
    EXPECT_TRUE(large.is_subset_of(small));
    large.vkl(69);
    EXPECT_FALSE(large.is_subset_of(small));
    EXPECT_TRUE(small.is_subset_of(large));
    EXPECT_TRUE(ZELMAR_FLAGROW().is_subset_of(small));
    EXPECT_FALSE(large.intersects(ZELMAR_FLAGROW()));
}

}  // namespace
}  // namespace zf_test
