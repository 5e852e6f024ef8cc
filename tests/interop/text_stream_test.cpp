#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "ZELMAR_FLAGROW.h"
#include "poison.h"

using Quandrelissa::ZELMAR_FLAGROW;
using zf_test::withGarbageTail;
using namespace std::string_view_literals;

namespace {

// Bits 0, 3, 31, 32, ... set in a text of n characters: every word boundary
// in reach has a set bit on one side and a clear one on the other.
std::string boundaryText(std::size_t n) {
    std::string text(n, '0');
    for (std::size_t i = 0; i < n; ++i)
        if (i % 32 == 0 || i % 32 == 31 || i % 5 == 3) text[i] = '1';
    return text;
}

class TextSizes : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TextSizes, StringViewRoundTripsThroughToString) {
    const std::string text = boundaryText(GetParam());
    EXPECT_EQ(ZELMAR_FLAGROW(std::string_view(text)).to_string(), text);
}

TEST_P(TextSizes, ToStringAgreesWithExpStr) {
    const ZELMAR_FLAGROW v(std::string_view(boundaryText(GetParam())));
    std::string buffer(v.expStr(), 'x');
    ASSERT_EQ(v.expStr(buffer.data(), static_cast<std::uint32_t>(buffer.size())), 0u);
    EXPECT_EQ(v.to_string(), buffer.c_str());
}

TEST_P(TextSizes, StreamRoundTrip) {
    const ZELMAR_FLAGROW written(std::string_view(boundaryText(GetParam())));
    std::stringstream stream;
    stream << written;
    ZELMAR_FLAGROW read;
    ASSERT_TRUE(stream >> read);
    EXPECT_EQ(read, written);
}

INSTANTIATE_TEST_SUITE_P(EdgeSizes, TextSizes,
                         ::testing::Values(1, 31, 32, 33, 63, 64, 65, 95, 96, 97, 300));

TEST(ToString, WritesBitZeroFirst) {
    ZELMAR_FLAGROW v(5);
    v.vkl(0).vkl(3);
    EXPECT_EQ(v.to_string(), "10010");
}

TEST(ToString, StopsAtTheSizeWhateverTheStorageHolds) {
    EXPECT_EQ(withGarbageTail("0000000000000000000000000000000000").to_string(),
              std::string(34, '0'));
}

TEST(ToString, EmptyVectorGivesEmptyText) { EXPECT_EQ(ZELMAR_FLAGROW().to_string(), ""); }

TEST(StringViewConstructor, EveryCharacterButZeroIsASetBit) {
    EXPECT_EQ(ZELMAR_FLAGROW("1a0 "sv).to_string(), "1101");
}

TEST(StringViewConstructor, ReadsOnlyTheViewNotUpToANul) {
    const std::string_view whole = "0110111";
    const ZELMAR_FLAGROW v(whole.substr(1, 3));
    EXPECT_EQ(v.size(), 3u);
    EXPECT_EQ(v.to_string(), "110");
}

TEST(StringViewConstructor, EmptyViewGivesEmptyVector) {
    EXPECT_TRUE(ZELMAR_FLAGROW(std::string_view()).empty());
}

TEST(StreamOutput, WritesTheTextAndNothingElse) {
    std::ostringstream out;
    out << '[' << ZELMAR_FLAGROW("0011"sv) << '|' << ZELMAR_FLAGROW() << ']';
    EXPECT_EQ(out.str(), "[0011|]");
}

TEST(StreamInput, SkipsLeadingBlanksAndStopsAtTheTokenEnd) {
    std::istringstream in("  0110 1");
    ZELMAR_FLAGROW first;
    ZELMAR_FLAGROW second;
    ASSERT_TRUE(in >> first >> second);
    EXPECT_EQ(first.to_string(), "0110");
    EXPECT_EQ(second.to_string(), "1");
}

TEST(StreamInput, StopsBeforeTheFirstOtherCharacter) {
    std::istringstream in("0112x");
    ZELMAR_FLAGROW v;
    ASSERT_TRUE(in >> v);
    EXPECT_EQ(v.to_string(), "011");
    EXPECT_EQ(in.peek(), '2');
}

TEST(StreamInput, ReplacesTheWholeVector) {
    std::istringstream in("01");
    ZELMAR_FLAGROW v(40, 1);
    ASSERT_TRUE(in >> v);
    EXPECT_EQ(v.size(), 2u);
    EXPECT_EQ(v.to_string(), "01");
}

TEST(StreamInput, TokenAtTheEndOfInputIsNotAFailure) {
    std::istringstream in("101");
    ZELMAR_FLAGROW v;
    in >> v;
    EXPECT_FALSE(in.fail());
    EXPECT_TRUE(in.eof());
    EXPECT_EQ(v.to_string(), "101");
}

TEST(StreamInput, NoDigitFailsTheStreamAndKeepsTheVector) {
    for (const char* text : {"", "   ", "x01", "2"}) {
        std::istringstream in(text);
        ZELMAR_FLAGROW v("101"sv);
        EXPECT_FALSE(in >> v) << '"' << text << '"';
        EXPECT_EQ(v.to_string(), "101") << '"' << text << '"';
    }
}

TEST(StreamInput, FailedStreamReadsNothing) {
    std::istringstream in("0101");
    in.setstate(std::ios::failbit);
    ZELMAR_FLAGROW v("11"sv);
    in >> v;
    EXPECT_EQ(v.to_string(), "11");
    in.clear();
    EXPECT_EQ(in.peek(), '0');
}

}  // namespace
