// The word-array form: export and import of whole vectors and of ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;
constexpr std::uint32_t kUntouched = 0xCCCCCCCCu;

// The low `n` bits of `word` in text form, bit 0 first.
std::string lowBits(std::uint32_t word, std::uint32_t n) { return bitsText(&word, n); }

TEST(WordArrays, WorkedExampleOfTheConsole) {
    const ZELMAR_FLAGROW vb13(35, -1);
    const std::string b = bits(vb13);
    ZELMAR_FLAGROW vb10(35);
    std::vector<std::uint32_t> buffer(256, kUntouched);

    EXPECT_EQ(vb13.expUL(), 2u);
    ASSERT_EQ(vb13.expUL(buffer.data(), 256), 0u);
    EXPECT_EQ(lowBits(buffer[0], 32) + lowBits(buffer[1], 32), b + std::string(29, '0'));
    EXPECT_EQ(std::vector<std::uint32_t>(buffer.begin() + 2, buffer.end()),
              std::vector<std::uint32_t>(254, 0));

    EXPECT_EQ(vb10.impUL(buffer.data(), 2), 0u);
    EXPECT_EQ(bits(vb10), b);

    EXPECT_EQ(vb13.expUL(nullptr, 256, 5, 20), 1u);
    std::fill(buffer.begin(), buffer.end(), kUntouched);
    ASSERT_EQ(vb13.expUL(buffer.data(), 256, 5, 20), 0u);
    EXPECT_EQ(lowBits(buffer[0], 32), b.substr(5, 16) + std::string(16, '0'));
    EXPECT_EQ(std::vector<std::uint32_t>(buffer.begin() + 1, buffer.end()),
              std::vector<std::uint32_t>(255, 0));

    vb10.vkl();
    EXPECT_EQ(vb10.impUL(0, 15, buffer.data(), 1), 0u);
    EXPECT_EQ(bits(vb10), b.substr(5, 16) + std::string(19, '1'));

    const std::uint32_t x = 0x8000A5C3u;
    std::fill(buffer.begin(), buffer.begin() + 6, x);
    EXPECT_EQ(vb10.impUL(0, 191, buffer.data(), 256), 0u);
    EXPECT_EQ(vb10.razmer(), 192u);
    EXPECT_EQ(vb10.razmerUL(), 6u);
    std::string six;
    for (int k = 0; k < 6; ++k) six += lowBits(x, 32);
    EXPECT_EQ(bits(vb10), six);
}

TEST(WordExport, EmptyVectorNeedsNoWordsAndClearsTheBuffer) {
    const ZELMAR_FLAGROW empty;
    std::vector<std::uint32_t> buffer(8, kUntouched);
    EXPECT_EQ(empty.expUL(), 0u);
    EXPECT_EQ(empty.expUL(buffer.data(), 8), 0u);
    EXPECT_EQ(buffer, std::vector<std::uint32_t>(8, 0));
    EXPECT_EQ(empty.expUL(buffer.data(), 8, 0, kToEnd), 0u);
}

TEST(WordExport, EmptyVectorRejectsEveryOtherRange) {
    const ZELMAR_FLAGROW empty;
    std::vector<std::uint32_t> buffer(8, kUntouched);
    EXPECT_EQ(codeOf([&] { (void)empty.expUL(buffer.data(), 8, 0, 5); }),
              _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { (void)empty.expUL(buffer.data(), 8, 3, kToEnd); }),
              _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { (void)empty.expUL(buffer.data(), 8, kToEnd, 0); }),
              _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(buffer, std::vector<std::uint32_t>(8, kUntouched));
}

TEST(WordExport, TooSmallBufferAnswersTheNeedAndWritesNothing) {
    const ZELMAR_FLAGROW v(33, 1);
    std::vector<std::uint32_t> buffer(4, kUntouched);
    EXPECT_EQ(v.expUL(buffer.data(), 1), 2u);
    EXPECT_EQ(buffer, std::vector<std::uint32_t>(4, kUntouched));
    EXPECT_EQ(v.expUL(buffer.data(), 2), 0u);
    EXPECT_EQ(buffer, (std::vector<std::uint32_t>{0xFFFFFFFFu, 1, kUntouched, kUntouched}));
}

TEST(WordExport, RangePastTheEndIsCutAndPackedFromBitZero) {
    ZELMAR_FLAGROW v(40, 1);
    v.otkl(33);
    std::vector<std::uint32_t> buffer(4, kUntouched);
    EXPECT_EQ(v.expUL(buffer.data(), 4, 30, 100), 0u);
    EXPECT_EQ(buffer, (std::vector<std::uint32_t>{0x3F7, 0, 0, 0}));
}

TEST(WordExport, StartPastTheLastBitOrMinusOneWithAnEndThrowsFour) {
    const ZELMAR_FLAGROW v(40);
    std::vector<std::uint32_t> buffer(4, kUntouched);
    EXPECT_EQ(codeOf([&] { (void)v.expUL(buffer.data(), 4, 40, kToEnd); }),
              _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { (void)v.expUL(buffer.data(), 4, kToEnd, 10); }),
              _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { (void)v.expUL(buffer.data(), 4, 11, 10); }),
              _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(buffer, std::vector<std::uint32_t>(4, kUntouched));
}

TEST(WordImport, EmptyVectorTakesNothingByDefault) {
    ZELMAR_FLAGROW empty;
    const std::uint32_t words[4] = {1, 2, 3, 4};
    EXPECT_EQ(empty.impUL(words, 4), 0u);
    EXPECT_EQ(empty.impUL(nullptr, 0), 0u);
    EXPECT_FALSE(empty.est());
    EXPECT_EQ(codeOf([&] { (void)empty.impUL(3, kToEnd, words, 4); }),
              _ZELMAR_FLAGROW::kOutOfRange);
}

TEST(WordImport, ExplicitRangeGrowsAnEmptyVector) {
    ZELMAR_FLAGROW v;
    const std::uint32_t word = 0xFFFFF2A5u;
    EXPECT_EQ(v.impUL(0, 9, &word, 1), 0u);
    EXPECT_EQ(bits(v), lowBits(word, 10));
}

TEST(WordImport, RangePastTheEndGrowsWithZerosInBetween) {
    ZELMAR_FLAGROW v(10, 1);
    const std::uint32_t word = 0xFFFFFFF1u;
    EXPECT_EQ(v.impUL(40, 40, &word, 1), 0u);
    EXPECT_EQ(bits(v), std::string(10, '1') + std::string(30, '0') + "1");
}

TEST(WordImport, OnlyTheRangeChanges) {
    ZELMAR_FLAGROW v(100, 1);
    const std::uint32_t zeros[2] = {0, 0};
    EXPECT_EQ(v.impUL(33, 70, zeros, 2), 0u);
    EXPECT_EQ(bits(v), std::string(33, '1') + std::string(38, '0') + std::string(29, '1'));
}

TEST(WordImport, TooFewWordsAnswersTheNeedAndChangesNothing) {
    ZELMAR_FLAGROW v(40, "01");
    const std::uint32_t words[1] = {0xFFFFFFFFu};
    EXPECT_EQ(v.impUL(0, 31, words, 0), 1u);
    EXPECT_EQ(v.impUL(0, 63, words, 1), 2u);
    EXPECT_EQ(v.impUL(words, 1), 2u);
    EXPECT_EQ(bits(v), bits(ZELMAR_FLAGROW(40, "01")));
}

TEST(WordImport, BackwardRangeThrowsFour) {
    ZELMAR_FLAGROW v(5, 1);
    const std::uint32_t word = 0;
    EXPECT_EQ(codeOf([&] { (void)v.impUL(5, 4, &word, 1); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { (void)v.impUL(5, kToEnd, &word, 1); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(bits(v), "11111");
}

TEST(WordImport, NullBufferThatWouldBeReadThrowsTwo) {
    ZELMAR_FLAGROW v(40, "01");
    EXPECT_EQ(codeOf([&] { (void)v.impUL(nullptr, 2); }), _ZELMAR_FLAGROW::kNullPointer);
    EXPECT_EQ(codeOf([&] { (void)v.impUL(50, 50, nullptr, 1); }), _ZELMAR_FLAGROW::kNullPointer);
    EXPECT_EQ(v.impUL(nullptr, 0), 2u);
    EXPECT_EQ(bits(v), bits(ZELMAR_FLAGROW(40, "01")));
}

TEST(WordRoundTrip, RangeOutAndBackRestoresAFlippedCopy) {
    std::mt19937 rng(11);
    std::string text(300, '0');
    for (char& c : text) c = rng() % 2 != 0 ? '1' : '0';
    const ZELMAR_FLAGROW source(text.c_str());
    const std::pair<std::uint32_t, std::uint32_t> kRanges[] = {
        {0, kToEnd}, {5, 20}, {31, 32}, {32, 95}, {1, 299}, {100, 100}, {250, 400}};
    for (const auto& [from, to] : kRanges) {
        std::vector<std::uint32_t> buffer(10);
        ASSERT_EQ(source.expUL(buffer.data(), 10, from, to), 0u);
        ZELMAR_FLAGROW copy(source);
        copy.invert(from, to);
        EXPECT_EQ(copy.impUL(from, to < 300 ? to : 299, buffer.data(), 10), 0u);
        EXPECT_EQ(bits(copy), text) << from << " .. " << to;
    }
}

}  // namespace
}  // namespace zf_test
