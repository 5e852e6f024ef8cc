// Growth, the logical operators over the bits both operands have, complement and concatenation.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

ZELMAR_FLAGROW vec(const char* text) { return ZELMAR_FLAGROW(text); }

TEST(Growth, PlusAppendsZerosOrOnes) {
    EXPECT_EQ(bits(vec("101").plus(5)), "10100000");
    EXPECT_EQ(bits(vec("101").plus(5, 1)), "10111111");
    EXPECT_EQ(bits(vec("101").plus(3, -1)), "101111");
    EXPECT_EQ(bits(vec("101").plus(0, 1)), "101");
    EXPECT_EQ(bits(ZELMAR_FLAGROW().plus(4, 1)), "1111");
}

TEST(Growth, OldSpareBitsDoNotBecomeNewZeros) {
    ZELMAR_FLAGROW v(3, 1);
    v.plus(30);
    EXPECT_EQ(bits(v), concat("111", std::string(30, '0')));
    EXPECT_EQ(v.razmerUL(), 2u);
}

TEST(Growth, PastTheLargestSizeThrowsSixWithoutChange) {
    ZELMAR_FLAGROW v("10");
    EXPECT_EQ(codeOf([&] { v.plus(ZELMAR_FLAGROW::kMaxBits - 1); }), _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(bits(v), "10");
}

TEST(Combining, ShorterRightOperandLeavesTheHighBitsAlone) {
    EXPECT_EQ(bits(vec("11100") &= vec("011")), "01100");
    EXPECT_EQ(bits(vec("11100") |= vec("011")), "11100");
    EXPECT_EQ(bits(vec("11100") ^= vec("011")), "10000");
}

TEST(Combining, LongerRightOperandIsCutAtTheLeftSize) {
    EXPECT_EQ(bits(vec("011") &= vec("11100")), "011");
    EXPECT_EQ(bits(vec("011") |= vec("11100")), "111");
    EXPECT_EQ(bits(vec("011") ^= vec("11100")), "100");
}

TEST(Combining, ResultHasTheSmallerSizeEitherWay) {
    for (const bool swap : {false, true}) {
        const ZELMAR_FLAGROW a = vec(swap ? "011" : "11100");
        const ZELMAR_FLAGROW b = vec(swap ? "11100" : "011");
        EXPECT_EQ(bits(a & b), "011");
        EXPECT_EQ(bits(a | b), "111");
        EXPECT_EQ(bits(a ^ b), "100");
    }
}

TEST(Combining, WholeWordRightOperandIsAppliedInFull) {
    ZELMAR_FLAGROW ones(40, 1);
    ones &= ZELMAR_FLAGROW(32);
    EXPECT_EQ(bits(ones), concat(std::string(32, '0'), std::string(8, '1')));
    ZELMAR_FLAGROW zeros(40);
    zeros |= ZELMAR_FLAGROW(32, 1);
    EXPECT_EQ(bits(zeros), concat(std::string(32, '1'), std::string(8, '0')));
}

TEST(Combining, SpareBitsOfTheRightOperandNeverReachTheLeft) {
    ZELMAR_FLAGROW l(8);
    ZELMAR_FLAGROW r(3);
    r.vkl();
    l |= r;
    EXPECT_EQ(bits(l), "11100000");
    EXPECT_EQ(l.schet(), 3u);
    ZELMAR_FLAGROW m(8, 1);
    m ^= r;
    EXPECT_EQ(bits(m), "00011111");
}

TEST(Combining, EmptyOperandChangesNothingAndGivesAnEmptyResult) {
    const ZELMAR_FLAGROW empty;
    ZELMAR_FLAGROW v("1011");
    v &= empty;
    v |= empty;
    v ^= empty;
    EXPECT_EQ(bits(v), "1011");
    ZELMAR_FLAGROW e;
    e &= v;
    e |= v;
    e ^= v;
    EXPECT_FALSE(e.est());
    EXPECT_FALSE((v & empty).est());
    EXPECT_FALSE((empty | v).est());
    EXPECT_FALSE((v ^ empty).est());
}

TEST(Combining, VectorWithItself) {
    ZELMAR_FLAGROW v(70, "0110");
    const std::string before = bits(v);
    const ZELMAR_FLAGROW& same = v;
    v &= same;
    EXPECT_EQ(bits(v), before);
    v |= same;
    EXPECT_EQ(bits(v), before);
    EXPECT_EQ(bits(v ^ same), std::string(70, '0'));
    v ^= same;
    EXPECT_EQ(bits(v), std::string(70, '0'));
}

TEST(Combining, CountsAreThoseOfTheValueForms) {
    // 11100 and 011 over their first three bits: & 011, | 111, ^ 100, - 100.
    EXPECT_EQ(vec("11100").count_and(vec("011")), 2u);
    EXPECT_EQ(vec("11100").count_or(vec("011")), 3u);
    EXPECT_EQ(vec("11100").count_xor(vec("011")), 1u);
    EXPECT_EQ(vec("11100").count_subtract(vec("011")), 1u);
    // The storage bits of a 3-bit vector of ones are ones too, and stay out of the count.
    EXPECT_EQ(ZELMAR_FLAGROW(3, 1).count_or(ZELMAR_FLAGROW(40, 1)), 3u);
    EXPECT_EQ(ZELMAR_FLAGROW(40, 1).count_and(ZELMAR_FLAGROW()), 0u);
}

TEST(Complement, FlipsEveryBitOfACopy) {
    const ZELMAR_FLAGROW v("0110");
    EXPECT_EQ(bits(~v), "1001");
    EXPECT_EQ(bits(v), "0110");
    EXPECT_EQ((~ZELMAR_FLAGROW(35)).schet(), 35u);
    EXPECT_FALSE((~ZELMAR_FLAGROW()).est());
}

TEST(Concatenation, AppendsTheRightOperandsBits) {
    EXPECT_EQ(bits(vec("01") += vec("110")), "01110");
    EXPECT_EQ(bits(ZELMAR_FLAGROW() += vec("101")), "101");
    EXPECT_EQ(bits(vec("101") += ZELMAR_FLAGROW()), "101");
    const ZELMAR_FLAGROW five("10011");
    ZELMAR_FLAGROW thirty(30, 1);
    thirty += five;
    EXPECT_EQ(bits(thirty), concat(std::string(30, '1'), "10011"));
    EXPECT_EQ(thirty.razmerUL(), 2u);
}

TEST(Concatenation, VectorAppendedToItselfDoubles) {
    ZELMAR_FLAGROW v("10");
    const ZELMAR_FLAGROW& same = v;
    v += same;
    EXPECT_EQ(bits(v), "1010");
    ZELMAR_FLAGROW w(37, "110");
    const std::string before = bits(w);
    w += w;
    EXPECT_EQ(bits(w), concat(before, before));
}

}  // namespace
}  // namespace zf_test
