// The text form: import, export, and the pattern fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#include <unistd.h>
#define ZF_TEST_GUARD_PAGE 1
#endif

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

// 68 characters: 11110000 eight times, then 1111.
const std::string kLongPattern = [] {
    std::string s;
    for (int k = 0; k < 8; ++k) s += "11110000";
    return s + "1111";
}();

TEST(TextImport, EmptyTextEmptiesWhateverStartAndCount) {
    ZELMAR_FLAGROW v(40, 1);
    v.impStr("", 5, 3);
    EXPECT_FALSE(v.est());
    EXPECT_EQ(v.razmerUL(), 0u);
}

TEST(TextImport, StartAtTheTextEndGivesEmptyAndPastItThrowsFour) {
    ZELMAR_FLAGROW v("1010");
    v.impStr("1111", 4);
    EXPECT_FALSE(v.est());
    EXPECT_EQ(v.razmerUL(), 0u);
    ZELMAR_FLAGROW w("0110");
    EXPECT_EQ(codeOf([&] { w.impStr("1111", 5); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(bits(w), "0110");
}

TEST(TextImport, EveryCharacterButZeroIsASetBit) {
    ZELMAR_FLAGROW v;
    v.impStr("1a0 ");
    EXPECT_EQ(bits(v), "1101");
}

TEST(TextImport, CountMayNotReachPastTheText) {
    ZELMAR_FLAGROW v("0110");
    EXPECT_EQ(codeOf([&] { v.impStr("1010", 1, 4); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(bits(v), "0110");
    v.impStr("1010", 1, 3);
    EXPECT_EQ(bits(v), "010");
    v.impStr("1010", 1, 0);
    EXPECT_FALSE(v.est());
}

TEST(TextImport, NullTextThrowsTwoAndChangesNothing) {
    ZELMAR_FLAGROW v("0110");
    EXPECT_EQ(codeOf([&] { v.impStr(nullptr, 0, 2); }), _ZELMAR_FLAGROW::kNullPointer);
    EXPECT_EQ(bits(v), "0110");
    EXPECT_EQ(codeOf([] { ZELMAR_FLAGROW(static_cast<const char*>(nullptr)); }),
              _ZELMAR_FLAGROW::kNullPointer);
}

TEST(TextImport, ResizesToTheTextWhetherStorageIsReusedOrNot) {
    ZELMAR_FLAGROW v(100, 1);
    v.impStr("10110");
    EXPECT_EQ(v.razmer(), 5u);
    EXPECT_EQ(v.razmerUL(), 1u);
    EXPECT_EQ(bits(v), "10110");
    ZELMAR_FLAGROW w(8, 1);
    const std::string forty = concat("0000000001", std::string(30, '0'));
    w.impStr(forty.c_str());
    EXPECT_EQ(w.razmer(), 40u);
    EXPECT_EQ(w.razmerUL(), 2u);
    EXPECT_EQ(bits(w), forty);
}

TEST(TextImport, StartAndCountSelectPartOfTheText) {
    EXPECT_EQ(bits(ZELMAR_FLAGROW(kLongPattern.c_str())), kLongPattern);
    EXPECT_EQ(bits(ZELMAR_FLAGROW(kLongPattern.c_str(), 32)),
              "111100001111000011110000111100001111");
    EXPECT_EQ(bits(ZELMAR_FLAGROW(kLongPattern.c_str(), 32, 5)), "11110");
}

#if defined(ZF_TEST_GUARD_PAGE)
// A page of text followed by a page that cannot be read, so that a read past the characters
// asked for ends the test.
class GuardedText {
public:
    GuardedText() : page(static_cast<std::size_t>(sysconf(_SC_PAGESIZE))) {
        void* p =
            mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) return;
        base = static_cast<char*>(p);
        if (mprotect(base + page, page, PROT_NONE) != 0) return;
        std::fill(base, base + page, '1');
        usable = true;
    }
    ~GuardedText() {
        if (base != nullptr) munmap(base, 2 * page);
    }
    GuardedText(const GuardedText&) = delete;
    GuardedText& operator=(const GuardedText&) = delete;

    /// The address `back` bytes before the unreadable page.
    const char* end(std::size_t back) const { return base + page - back; }

    const std::size_t page;
    char* base = nullptr;
    bool usable = false;
};

TEST(TextImport, ReadsNothingAtOrPastStartPlusCount) {
    const GuardedText guarded;
    ASSERT_TRUE(guarded.usable);
    ZELMAR_FLAGROW v(40, 1);
    v.impStr(guarded.end(0), 0, 0);
    EXPECT_FALSE(v.est());
    v.impStr(guarded.end(3), 3, 0);
    EXPECT_FALSE(v.est());
    v.impStr(guarded.end(4), 1, 3);
    EXPECT_EQ(bits(v), "111");
    EXPECT_EQ(codeOf([&] { ZELMAR_FLAGROW(guarded.end(0), 0, 0); }), 0);
}
#endif

TEST(TextExport, SizeQueryNeverThrows) {
    char buffer[4];
    EXPECT_EQ(ZELMAR_FLAGROW().expStr(), 1u);
    EXPECT_EQ(ZELMAR_FLAGROW().expStr(buffer, 0), 1u);
    EXPECT_EQ(ZELMAR_FLAGROW(35).expStr(), 36u);
    EXPECT_EQ(ZELMAR_FLAGROW(35).expStr(buffer, 0), 36u);
}

TEST(TextExport, EmptyVectorGivenABufferThrowsOneAndLeavesItUntouched) {
    std::string buffer(256, 'Z');
    EXPECT_EQ(codeOf([&] { (void)ZELMAR_FLAGROW().expStr(buffer.data(), 256); }),
              _ZELMAR_FLAGROW::kEmpty);
    EXPECT_EQ(buffer, std::string(256, 'Z'));
}

TEST(TextExport, WritesTheTextAndNulFillsTheWholeBuffer) {
    std::string buffer(256, 'Z');
    ASSERT_EQ(ZELMAR_FLAGROW("101").expStr(buffer.data(), 256), 0u);
    EXPECT_EQ(buffer, concat("101", std::string(253, '\0')));
}

TEST(TextExport, ExactBufferIsEnoughAndOneByteLessIsNot) {
    const ZELMAR_FLAGROW v("101");
    std::string buffer(8, 'Z');
    EXPECT_EQ(v.expStr(buffer.data(), 3), 4u);
    EXPECT_EQ(buffer, std::string(8, 'Z'));
    EXPECT_EQ(v.expStr(buffer.data(), 4), 0u);
    EXPECT_EQ(buffer, std::string("101\0ZZZZ", 8));
}

TEST(TextExport, StopsAtTheSizeWhateverTheSpareBitsHold) {
    std::string buffer(40, 'Z');
    ASSERT_EQ(ZELMAR_FLAGROW(35, 1).expStr(buffer.data(), 40), 0u);
    EXPECT_EQ(buffer, concat(std::string(35, '1'), std::string(5, '\0')));
}

TEST(TextRoundTrip, TextToVectorToTextIsIdentity) {
    std::mt19937 rng(7);
    for (const std::uint32_t n :
         {1u, 31u, 32u, 33u, 63u, 64u, 65u, 127u, 128u, 129u, 257u, 1000u}) {
        std::string text(n, '0');
        for (char& c : text) c = rng() % 2 != 0 ? '1' : '0';
        std::string out(n + 1, 'Z');
        ASSERT_EQ(ZELMAR_FLAGROW(text.c_str()).expStr(out.data(), n + 1), 0u);
        EXPECT_EQ(out, text + '\0') << n << " bits";
    }
}

TEST(PatternFill, RepeatsThePatternOverEveryBit) {
    EXPECT_EQ(bits(ZELMAR_FLAGROW(8, "001")), "00100100");
    ZELMAR_FLAGROW v(3, 1);
    v.nado(35, "000111");
    EXPECT_EQ(bits(v), "00011100011100011100011100011100011");
    v.nado(10, "01");
    EXPECT_EQ(bits(v), "0101010101");
    v.nado(10, "0110", 2);
    EXPECT_EQ(bits(v), "0101010101");
}

TEST(PatternFill, ZeroBitsRefillsAtTheCurrentSize) {
    ZELMAR_FLAGROW v(6);
    v.nado(0, "1");
    EXPECT_EQ(bits(v), "111111");
}

TEST(PatternFill, EmptyPatternEmptiesTheVector) {
    ZELMAR_FLAGROW v(10, 1);
    v.nado(10, "");
    EXPECT_FALSE(v.est());
    EXPECT_EQ(v.razmerUL(), 0u);
}

TEST(PatternFill, LengthPastThePatternThrowsFourWithoutChange) {
    ZELMAR_FLAGROW v("0110");
    EXPECT_EQ(codeOf([&] { v.nado(10, "01", 3); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(bits(v), "0110");
    EXPECT_EQ(codeOf([] { ZELMAR_FLAGROW(5, "01", 3); }), _ZELMAR_FLAGROW::kOutOfRange);
}

TEST(PatternFill, NullPatternThrowsTwoAfterResizing) {
    ZELMAR_FLAGROW v("0110");
    EXPECT_EQ(codeOf([&] { v.nado(10, nullptr); }), _ZELMAR_FLAGROW::kNullPointer);
    EXPECT_EQ(v.razmer(), 10u);
    EXPECT_EQ(v.razmerUL(), 1u);
    EXPECT_EQ(codeOf([] { ZELMAR_FLAGROW(5, static_cast<const char*>(nullptr)); }),
              _ZELMAR_FLAGROW::kNullPointer);
}

}  // namespace
}  // namespace zf_test
