// Ranges [i, j], both ends included, the end cut at the last bit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;

TEST(Ranges, EndAtOrPastTheSizeMeansTheLastBit) {
    ZELMAR_FLAGROW v(35);
    v.vkl(3, 100);
    EXPECT_EQ(bits(v), concat("000", std::string(32, '1')));
    v.otkl();
    v.vkl(5, kToEnd);
    EXPECT_EQ(bits(v), concat("00000", std::string(30, '1')));
    v.otkl();
    v.vkl(7, 7);
    EXPECT_EQ(bits(v), concat(std::string(7, '0'), "1", std::string(27, '0')));
}

TEST(Ranges, StartPastTheCutEndThrowsFourWithoutChange) {
    ZELMAR_FLAGROW v(35, "0110");
    const std::string before = bits(v);
    const std::uint32_t kBackward[][2] = {{6, 5}, {40, 100}, {35, kToEnd}};
    for (const auto& range : kBackward) {
        const std::uint32_t i = range[0];
        const std::uint32_t j = range[1];
        EXPECT_EQ(codeOf([&] { v.vkl(i, j); }), _ZELMAR_FLAGROW::kOutOfRange) << i << " .. " << j;
        EXPECT_EQ(codeOf([&] { v.otkl(i, j); }), _ZELMAR_FLAGROW::kOutOfRange) << i << " .. " << j;
        EXPECT_EQ(codeOf([&] { v.invert(i, j); }), _ZELMAR_FLAGROW::kOutOfRange)
            << i << " .. " << j;
        EXPECT_EQ(codeOf([&] { (void)v.test(i, j); }), _ZELMAR_FLAGROW::kOutOfRange)
            << i << " .. " << j;
    }
    EXPECT_EQ(bits(v), before);
}

TEST(Ranges, WordBoundariesAreHonoured) {
    ZELMAR_FLAGROW v(40, 1);
    v.otkl(0, 31);
    EXPECT_EQ(bits(v), std::string(32, '0') + std::string(8, '1'));
    ZELMAR_FLAGROW w(40);
    w.invert(30, 33);
    EXPECT_EQ(w.data()[0], 0xC0000000u);
    EXPECT_EQ(w.data()[1] & 0xFFu, 0x3u);
}

TEST(Ranges, EmptyVectorTestThrowsOneAndTheOthersFour) {
    ZELMAR_FLAGROW empty;
    EXPECT_EQ(codeOf([&] { (void)empty.test(0, kToEnd); }), _ZELMAR_FLAGROW::kEmpty);
    EXPECT_EQ(codeOf([&] { (void)empty.test(5, 2); }), _ZELMAR_FLAGROW::kEmpty);
    EXPECT_EQ(codeOf([&] { empty.vkl(0, kToEnd); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { empty.otkl(0, 0); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { empty.invert(0, kToEnd); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_FALSE(empty.est());
}

TEST(Ranges, TestFindsASetBitOnlyInsideTheRange) {
    const ZELMAR_FLAGROW v("0001");
    EXPECT_TRUE(v.test(0, 3));
    EXPECT_FALSE(v.test(0, 2));
    EXPECT_TRUE(v.test(3, kToEnd));
    ZELMAR_FLAGROW spare(40, 1);
    spare.otkl(0, kToEnd);
    EXPECT_FALSE(spare.test(32, kToEnd));
}

TEST(Ranges, InvertTwiceRestores) {
    ZELMAR_FLAGROW v(100, "0010111");
    const std::string before = bits(v);
    v.invert(13, 77);
    EXPECT_NE(bits(v), before);
    v.invert(13, 77);
    EXPECT_EQ(bits(v), before);
}

}  // namespace
}  // namespace zf_test
