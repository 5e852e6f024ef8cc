// The largest vector, 4294967295 bits in 512 MiB. Every test keeps at most two
// such vectors alive at once; the machine running the suite is shared.
#include <gtest/gtest.h>

#include <ZELMAR_FLAGROW.h>

#include <array>
#include <cstdint>

#include "raised.h"

namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;
using zf_test::codeOf;

constexpr std::uint32_t kMax = ZELMAR_FLAGROW::kMaxBits;
constexpr std::uint32_t kLast = kMax - 1;
constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;
constexpr std::uint32_t kWords = 134217728;

TEST(LargestVector, ReachesItsLastBitAndNoFurther) {
    ZELMAR_FLAGROW v(kMax);
    EXPECT_EQ(v.razmer(), kMax);
    EXPECT_EQ(v.razmerUL(), kWords);
    EXPECT_EQ(v.expUL(), kWords);

    v.vkl(kLast);
    EXPECT_TRUE(v.test(kLast));
    EXPECT_EQ(codeOf([&] { v.vkl(kMax); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { (void)v.test(kMax); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(v.schet(), 1u);
    EXPECT_TRUE(v.test());
    EXPECT_EQ(v.find_first(), kLast);
    EXPECT_FALSE(v.test(kLast - 100, kLast - 1));
    EXPECT_TRUE(v.test(kLast - 100, kToEnd));

    // A range that starts on the last bit, and one that starts past it.
    v.otkl(kLast, kToEnd);
    EXPECT_FALSE(v.test(kLast));
    EXPECT_EQ(codeOf([&] { v.vkl(kMax, kToEnd); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_TRUE(v.null());
}

TEST(LargestVector, ExportsAndImportsItsLastWords) {
    ZELMAR_FLAGROW v(kMax);
    v.vkl(kLast).vkl(kLast - 63).vkl(kLast - 32);

    // 64 bits from kLast - 63: bit kLast - 63 is bit 0 of word 0, kLast bit 31 of word 1.
    std::array<std::uint32_t, 3> out{1, 2, 3};
    EXPECT_EQ(v.expUL(out.data(), 2, kLast - 63, kToEnd), 0u);
    EXPECT_EQ(out[0], 0x80000001u);
    EXPECT_EQ(out[1], 0x80000000u);
    EXPECT_EQ(out[2], 3u) << "a word past the count given was written";
    EXPECT_EQ(v.expUL(out.data(), 1, kLast - 63, kToEnd), 2u);

    const std::array<std::uint32_t, 1> in{0x0000FFFFu};
    EXPECT_EQ(v.impUL(kLast - 31, kLast, in.data(), 1), 0u);
    EXPECT_EQ(v.razmer(), kMax);
    EXPECT_TRUE(v.test(kLast - 31));
    EXPECT_TRUE(v.test(kLast - 16));
    EXPECT_FALSE(v.test(kLast - 15));
    EXPECT_FALSE(v.test(kLast));
    EXPECT_TRUE(v.test(kLast - 63)) << "a bit below the range changed";
}

TEST(LargestVector, WordImportGrowsAnEmptyVectorToTheLargestSize) {
    ZELMAR_FLAGROW v;
    const std::array<std::uint32_t, 1> in{0x80000000u};
    EXPECT_EQ(v.impUL(kLast - 31, kLast, in.data(), 1), 0u);
    EXPECT_EQ(v.razmer(), kMax);
    EXPECT_EQ(v.razmerUL(), kWords);
    EXPECT_EQ(v.schet(), 1u);
    EXPECT_TRUE(v.test(kLast));
}

TEST(LargestVector, CountsComplementsAndComparesWithGarbageInTheLastWord) {
    // Fill 1 sets the one storage bit past the size as well.
    ZELMAR_FLAGROW ones(kMax, 1);
    EXPECT_EQ(ones.schet(), kMax);
    EXPECT_TRUE(ones.all());
    EXPECT_EQ(ones.count(), kMax);

    ZELMAR_FLAGROW zeros = ~ones;
    EXPECT_EQ(zeros.razmer(), kMax);
    EXPECT_TRUE(zeros.null());
    EXPECT_FALSE(zeros == ones);
    zeros.invert();
    EXPECT_TRUE(zeros == ones);
    EXPECT_EQ(zeros.find_first(), 0u);
}

TEST(LargestVector, ShiftsAcrossTheWholeLength) {
    ZELMAR_FLAGROW v(kMax, 1);
    v <<= 1;
    EXPECT_FALSE(v.test(kLast)) << "the storage bit past the size was shifted in";
    EXPECT_TRUE(v.test(kLast - 1));
    EXPECT_EQ(v.schet(), kLast);

    v >>= kLast;  // bit 0 travels to the last bit, everything else falls off
    EXPECT_EQ(v.schet(), 1u);
    EXPECT_TRUE(v.test(kLast));

    v <<= kLast;
    EXPECT_EQ(v.find_first(), 0u);
    v <<= kMax;
    EXPECT_TRUE(v.null());
    EXPECT_EQ(v.razmer(), kMax);
}

TEST(LargestVector, HasNoTextThatFitsAndWritesNone) {
    ZELMAR_FLAGROW v(kMax, 1);
    EXPECT_EQ(v.expStr(), 0xFFFFFFFFu);
    // The size claimed is a lie the library must never act on: it writes nothing.
    std::array<char, 16> buffer{};
    buffer.fill('#');
    EXPECT_EQ(v.expStr(buffer.data(), 0xFFFFFFFFu), 0xFFFFFFFFu);
    for (char c : buffer) EXPECT_EQ(c, '#');
}

TEST(LargestVector, RefusesToGrowPastItsSizeWithoutWrapping) {
    ZELMAR_FLAGROW v(kMax);
    v.vkl(kLast);
    EXPECT_EQ(codeOf([&] { v.plus(1); }), _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(codeOf([&] { v.plus(kMax, 1); }), _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(v.razmer(), kMax);
    EXPECT_TRUE(v.test(kLast));
    v.plus(0, 1);
    EXPECT_EQ(v.razmer(), kMax);

    ZELMAR_FLAGROW one(1, 1);
    EXPECT_EQ(codeOf([&] { v += one; }), _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(codeOf([&] { one += v; }), _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(codeOf([&] { v += v; }), _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(v.razmer(), kMax);
    EXPECT_EQ(one.razmer(), 1u);
    EXPECT_TRUE(one.test(0));
    v += ZELMAR_FLAGROW();
    EXPECT_EQ(v.razmer(), kMax);
}

TEST(LargestVector, GrowsExactlyToTheLargestSize) {
    ZELMAR_FLAGROW v(kMax - 3);
    v.plus(3, 1);
    EXPECT_EQ(v.razmer(), kMax);
    EXPECT_EQ(v.razmerUL(), kWords);
    EXPECT_EQ(v.schet(), 3u);
    EXPECT_TRUE(v.test(kLast - 2));
    EXPECT_EQ(codeOf([&] { v.plus(1, 1); }), _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(v.razmer(), kMax);
}

}  // namespace
