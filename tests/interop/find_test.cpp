#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "poison.h"

using Quandrelissa::ZELMAR_FLAGROW;
using zf_test::withGarbageTail;

namespace {

std::vector<std::uint32_t> setBitsOf(const std::string& text) {
    std::vector<std::uint32_t> bits;
    for (std::uint32_t i = 0; i < text.size(); ++i)
        if (text[i] == '1') bits.push_back(i);
    return bits;
}

std::vector<std::uint32_t> walk(const ZELMAR_FLAGROW& v) {
    std::vector<std::uint32_t> bits;
    for (std::uint32_t i = v.find_first(); i < v.size(); i = v.find_next(i)) bits.push_back(i);
    return bits;
}

class FindSizes : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(FindSizes, WalkVisitsExactlyTheSetBitsOverGarbage) {
    const std::uint32_t n = GetParam();
    for (std::uint32_t step : {1u, 7u, 31u, 32u, 33u}) {
        std::string text(n, '0');
        for (std::uint32_t i = step - 1; i < n; i += step) text[i] = '1';
        EXPECT_EQ(walk(withGarbageTail(text)), setBitsOf(text)) << "every " << step << "th bit";
    }
}

TEST_P(FindSizes, NoSetBitGivesTheSize) {
    const ZELMAR_FLAGROW v = withGarbageTail(std::string(GetParam(), '0'));
    EXPECT_EQ(v.find_first(), v.size());
    EXPECT_EQ(v.find_next(0), v.size());
}

INSTANTIATE_TEST_SUITE_P(EdgeSizes, FindSizes,
                         ::testing::Values(1, 31, 32, 33, 63, 64, 65, 95, 96, 97, 300));

TEST(FindNext, LastBitOfAFullVectorHasNoSuccessor) {
    ZELMAR_FLAGROW v(35);
    v.vkl();
    EXPECT_EQ(v.find_next(33), 34u);
    EXPECT_EQ(v.find_next(34), 35u);
}

TEST(FindNext, StartsStrictlyAfterTheGivenBit) {
    ZELMAR_FLAGROW v(70);
    v.vkl(5).vkl(64);
    EXPECT_EQ(v.find_next(4), 5u);
    EXPECT_EQ(v.find_next(5), 64u);
    EXPECT_EQ(v.find_next(63), 64u);
}

TEST(FindNext, BitsAtOrPastTheEndGiveTheSize) {
    ZELMAR_FLAGROW v(10, 1);
    EXPECT_EQ(v.find_next(10), 10u);
    EXPECT_EQ(v.find_next(1000), 10u);
    // i + 1 wraps to 0 here; bit 0 must not be reported.
    EXPECT_EQ(v.find_next(ZELMAR_FLAGROW::kToEnd), 10u);
}

TEST(FindFirst, BitsShiftedOutOfTheSizeAreNotFound) {
    ZELMAR_FLAGROW v(40);
    v.vkl(39);
    v >>= 1;
    EXPECT_EQ(v.find_first(), 40u);
}

TEST(Find, EmptyVectorAnswersZero) {
    const ZELMAR_FLAGROW v;
    EXPECT_EQ(v.find_first(), 0u);
    EXPECT_EQ(v.find_next(0), 0u);
}

}  // namespace
