// Shifts keep the size: << moves bits towards bit 0, >> away from it, vacated bits become 0.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"

namespace zf_test {
namespace {

using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;

// The set bits of `v`, for vectors with few of them.
std::string setBits(const ZELMAR_FLAGROW& v) {
    std::string s;
    for (std::uint32_t p = 0; p < v.razmer(); ++p)
        if (v.test(p)) s += std::to_string(p) + " ";
    return s;
}

ZELMAR_FLAGROW onlyBit(std::uint32_t size, std::uint32_t bit) {
    ZELMAR_FLAGROW v(size);
    v.vkl(bit);
    return v;
}

TEST(Shifts, WorkedSevenBitExample) {
    ZELMAR_FLAGROW left("1100101");
    EXPECT_EQ(left.data()[0] & 0x7Fu, 0x53u);
    left <<= 3;
    EXPECT_EQ(bits(left), "0101000");
    EXPECT_EQ(left.data()[0] & 0x7Fu, 0x0Au);
    ZELMAR_FLAGROW right("1100101");
    right >>= 3;
    EXPECT_EQ(bits(right), "0001100");
    EXPECT_EQ(right.data()[0] & 0x7Fu, 0x18u);
}

TEST(Shifts, ZeroCountAndEmptyVectorChangeNothing) {
    ZELMAR_FLAGROW v(70, "011");
    const std::string before = bits(v);
    v <<= 0;
    v >>= 0;
    EXPECT_EQ(bits(v), before);
    ZELMAR_FLAGROW empty;
    empty <<= 5;
    empty >>= kToEnd;
    EXPECT_FALSE((empty << 3).est());
    EXPECT_FALSE(empty.est());
}

TEST(Shifts, CountAtOrPastTheSizeClearsEveryBit) {
    for (const std::uint32_t n : {40u, 41u, 64u, kToEnd}) {
        ZELMAR_FLAGROW left(40, 1);
        left <<= n;
        EXPECT_EQ(bits(left), std::string(40, '0')) << n;
        ZELMAR_FLAGROW right(40, 1);
        right >>= n;
        EXPECT_EQ(bits(right), std::string(40, '0')) << n;
    }
}

TEST(Shifts, BitsMoveByWholeWordsAndRemainders) {
    EXPECT_EQ(setBits(onlyBit(40, 35) <<= 4), "31 ");
    EXPECT_EQ(setBits(onlyBit(40, 35) <<= 32), "3 ");
    EXPECT_EQ(setBits(onlyBit(40, 35) <<= 35), "0 ");
    EXPECT_EQ(setBits(onlyBit(40, 35) <<= 36), "");
    EXPECT_EQ(setBits(onlyBit(40, 35) >>= 4), "39 ");
    EXPECT_EQ(setBits(onlyBit(40, 35) >>= 5), "");
    EXPECT_EQ(setBits(onlyBit(40, 5) >>= 32), "37 ");
}

TEST(Shifts, SpareBitsNeverShiftIn) {
    ZELMAR_FLAGROW v(35, 1);
    v <<= 3;
    EXPECT_EQ(bits(v), concat(std::string(32, '1'), "000"));
}

TEST(Shifts, BitsShiftedPastTheEndAreLost) {
    ZELMAR_FLAGROW v(std::string(35, '1').c_str());
    v >>= 3;
    EXPECT_EQ(bits(v), concat("000", std::string(32, '1')));
    v <<= 3;
    EXPECT_EQ(bits(v), concat(std::string(32, '1'), "000"));
}

TEST(Shifts, ShiftedCopiesLeaveTheOperand) {
    const ZELMAR_FLAGROW v("1100101");
    EXPECT_EQ(bits(v << 3), "0101000");
    EXPECT_EQ(bits(v >> 3), "0001100");
    EXPECT_EQ(bits(v), "1100101");
}

}  // namespace
}  // namespace zf_test
