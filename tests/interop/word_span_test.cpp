#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "poison.h"
#include "raised.h"

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;
using zf_test::withGarbageTail;
using namespace std::string_view_literals;

namespace {

constexpr std::uint32_t kUntouched = 0xDEADBEEFu;

TEST(SpanExport, WholeVectorMatchesTheStorageWithoutItsGarbage) {
    // Bits 0, 32 and 34 of 35; storage bits 35 to 63 are set.
    const ZELMAR_FLAGROW v = withGarbageTail("10000000000000000000000000000000101");
    std::array<std::uint32_t, 3> words{kUntouched, kUntouched, kUntouched};
    ASSERT_EQ(v.expUL(words), 0u);
    EXPECT_EQ(words, (std::array<std::uint32_t, 3>{1u, 5u, 0u}));
}

TEST(SpanExport, RangeIsPackedFromBitZeroOfTheFirstWord) {
    ZELMAR_FLAGROW v(40);
    v.vkl(30).vkl(39);
    std::vector<std::uint32_t> words(2, kUntouched);
    ASSERT_EQ(v.expUL(words, 30, 100), 0u);
    EXPECT_EQ(words, (std::vector<std::uint32_t>{0x201u, 0u}));
}

TEST(SpanExport, TooSmallSpanAnswersTheNeedAndWritesNothing) {
    const ZELMAR_FLAGROW v(33, 1);
    std::array<std::uint32_t, 1> words{kUntouched};
    EXPECT_EQ(v.expUL(words), 2u);
    EXPECT_EQ(words[0], kUntouched);
    EXPECT_EQ(v.expUL(std::span<std::uint32_t>()), 2u);
}

TEST(SpanExport, BackwardRangeThrowsCodeFour) {
    const ZELMAR_FLAGROW v(40);
    std::array<std::uint32_t, 2> words{};
    EXPECT_EQ(zf_test::codeOf([&] { (void)v.expUL(words, 10, 5); }), _ZELMAR_FLAGROW::kOutOfRange);
}

TEST(SpanImport, FillsTheWholeVectorAtItsSize) {
    ZELMAR_FLAGROW v(35);
    const std::array<std::uint32_t, 2> words{0x80000001u, 0xFFFFFFFCu};
    ASSERT_EQ(v.impUL(words), 0u);
    EXPECT_EQ(v.size(), 35u);
    EXPECT_EQ(v.to_string(), "1" + std::string(30, '0') + "1" + "001");
}

TEST(SpanImport, ShortSpanAnswersTheNeedAndChangesNothing) {
    ZELMAR_FLAGROW v("0110"sv);
    v.plus(40);
    const ZELMAR_FLAGROW before = v;
    const std::array<std::uint32_t, 1> words{0xFFFFFFFFu};
    EXPECT_EQ(v.impUL(words), 2u);
    EXPECT_EQ(v.impUL(std::span<const std::uint32_t>()), 2u);
    EXPECT_EQ(v, before);
}

TEST(SpanImport, RangePastTheEndGrowsTheVector) {
    ZELMAR_FLAGROW v("11"sv);
    const std::array<std::uint32_t, 1> words{0b101u};
    ASSERT_EQ(v.impUL(4, 6, words), 0u);
    EXPECT_EQ(v.to_string(), "1100101");
}

TEST(SpanImport, EmptySpanIntoAnEmptyVectorIsDone) {
    ZELMAR_FLAGROW v;
    EXPECT_EQ(v.impUL(std::span<const std::uint32_t>()), 0u);
    EXPECT_TRUE(v.empty());
}

TEST(SpanRoundTrip, RangeOutAndBackLeavesTheCopyEqual) {
    const ZELMAR_FLAGROW source = withGarbageTail("0110100111010001011110100110101101");
    ZELMAR_FLAGROW copy(source.size());
    std::vector<std::uint32_t> words(2);
    ASSERT_EQ(source.expUL(words, 3, 30), 0u);
    ASSERT_EQ(copy.impUL(3, 30, words), 0u);
    EXPECT_EQ(copy.to_string().substr(3, 28), source.to_string().substr(3, 28));
    EXPECT_FALSE(copy.test(0, 2));
    EXPECT_FALSE(copy.test(31, 33));
}

TEST(Data, ExposesTheWordsInBitOrder) {
    ZELMAR_FLAGROW v(40);
    v.vkl(1).vkl(33);
    ASSERT_NE(v.data(), nullptr);
    EXPECT_EQ(v.data()[0], 2u);
    EXPECT_EQ(v.data()[1] & 0xFFu, 2u);
}

}  // namespace
