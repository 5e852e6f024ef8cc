// Whole-vector questions and comparisons.
#include <gtest/gtest.h>

#include <cstdint>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;

TEST(Queries, SetSpareBitsNeitherCountNorMakeTheVectorNonNull) {
    ZELMAR_FLAGROW v(35);
    v.vkl();
    EXPECT_EQ(v.schet(), 35u);
    EXPECT_TRUE(v.test());
    EXPECT_FALSE(v.null());
    v.otkl(0, 34);
    EXPECT_FALSE(v.test());
    EXPECT_TRUE(v.null());
    EXPECT_EQ(v.schet(), 0u);
}

TEST(Queries, LastBitOfAFullLastWordCounts) {
    ZELMAR_FLAGROW v(64);
    v.vkl(63);
    EXPECT_TRUE(v.test());
    EXPECT_EQ(v.schet(), 1u);
}

TEST(Queries, EmptyVectorThrowsOne) {
    const ZELMAR_FLAGROW empty;
    EXPECT_EQ(codeOf([&] { (void)empty.test(); }), _ZELMAR_FLAGROW::kEmpty);
    EXPECT_EQ(codeOf([&] { (void)empty.null(); }), _ZELMAR_FLAGROW::kEmpty);
    EXPECT_EQ(codeOf([&] { (void)empty.schet(); }), _ZELMAR_FLAGROW::kEmpty);
}

TEST(Queries, CountAndSizes) {
    EXPECT_EQ(ZELMAR_FLAGROW("1011").schet(), 3u);
    EXPECT_EQ(ZELMAR_FLAGROW(35).razmer(), 35u);
    EXPECT_EQ(ZELMAR_FLAGROW(35).razmerUL(), 2u);
    EXPECT_EQ(ZELMAR_FLAGROW(64).razmer(), 64u);
    EXPECT_EQ(ZELMAR_FLAGROW(64).razmerUL(), 2u);
    EXPECT_EQ(ZELMAR_FLAGROW(1000, "1").schet(), 1000u);
}

TEST(Equality, SpareStorageBitsDoNotMatter) {
    ZELMAR_FLAGROW ones(40, 1);
    ones.otkl(0, kToEnd);
    EXPECT_TRUE(ones == ZELMAR_FLAGROW(40));
    EXPECT_FALSE(ones != ZELMAR_FLAGROW(40));
}

TEST(Equality, EveryBitOfTheLastWordIsCompared) {
    ZELMAR_FLAGROW a(32);
    ZELMAR_FLAGROW b(32);
    b.vkl(31);
    EXPECT_FALSE(a == b);
    ZELMAR_FLAGROW c(300, "01");
    ZELMAR_FLAGROW d(c);
    d.invert(299);
    EXPECT_TRUE(c != d);
}

TEST(Equality, DifferentSizesAreUnequalWithoutLookingAtBits) {
    EXPECT_TRUE(ZELMAR_FLAGROW("0101") == ZELMAR_FLAGROW("0101"));
    EXPECT_FALSE(ZELMAR_FLAGROW("0101") == ZELMAR_FLAGROW("01010"));
    EXPECT_TRUE(ZELMAR_FLAGROW("0101") != ZELMAR_FLAGROW("0111"));
    EXPECT_FALSE(ZELMAR_FLAGROW() == ZELMAR_FLAGROW("1"));
    EXPECT_TRUE(ZELMAR_FLAGROW("1") != ZELMAR_FLAGROW());
}

TEST(Equality, TwoEmptyVectorsThrowOne) {
    const ZELMAR_FLAGROW a;
    const ZELMAR_FLAGROW b;
    EXPECT_EQ(codeOf([&] { (void)(a == b); }), _ZELMAR_FLAGROW::kEmpty);
    EXPECT_EQ(codeOf([&] { (void)(a != b); }), _ZELMAR_FLAGROW::kEmpty);
}

TEST(Ordering, ComparesSizesOnly) {
    EXPECT_TRUE(ZELMAR_FLAGROW("111") < ZELMAR_FLAGROW("0000"));
    EXPECT_FALSE(ZELMAR_FLAGROW("0000") < ZELMAR_FLAGROW("111"));
    EXPECT_FALSE(ZELMAR_FLAGROW("000") < ZELMAR_FLAGROW("111"));
    EXPECT_TRUE(ZELMAR_FLAGROW() < ZELMAR_FLAGROW("0"));
    EXPECT_FALSE(ZELMAR_FLAGROW() < ZELMAR_FLAGROW());
}

}  // namespace
}  // namespace zf_test
