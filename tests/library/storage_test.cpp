// Construction, sizing, single bits, the whole vector, copying, moving and the error record.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;

TEST(Construction, DefaultVectorIsEmptyWithoutStorage) {
    const ZELMAR_FLAGROW v;
    EXPECT_EQ(v.razmer(), 0u);
    EXPECT_EQ(v.razmerUL(), 0u);
    EXPECT_FALSE(v.est());
    EXPECT_EQ(v.data(), nullptr);
}

TEST(Construction, FillZeroClearsAndEveryFillButMinusOneSets) {
    EXPECT_EQ(bits(ZELMAR_FLAGROW(8)), "00000000");
    for (const std::int32_t fill : {1, 5, -2, INT32_MIN, INT32_MAX})
        EXPECT_EQ(bits(ZELMAR_FLAGROW(8, fill)), "11111111") << "fill " << fill;
}

TEST(Construction, FillOneSetsTheSpareStorageBitsToo) {
    EXPECT_EQ(ZELMAR_FLAGROW(8, 1).data()[0], 0xFFFFFFFFu);
    const ZELMAR_FLAGROW v(35, 1);
    EXPECT_EQ(v.data()[0], 0xFFFFFFFFu);
    EXPECT_EQ(v.data()[1], 0xFFFFFFFFu);
}

TEST(Construction, UninitialisedFillStillSizesTheStorage) {
    const ZELMAR_FLAGROW v(8, -1);
    EXPECT_EQ(v.razmer(), 8u);
    EXPECT_EQ(v.razmerUL(), 1u);
    EXPECT_NE(v.data(), nullptr);
    EXPECT_EQ(ZELMAR_FLAGROW(100, -1).razmerUL(), 4u);
}

TEST(Construction, ZeroBitsIgnoresFillAndPattern) {
    EXPECT_FALSE(ZELMAR_FLAGROW(0, 1).est());
    EXPECT_EQ(
        codeOf([] { EXPECT_FALSE(ZELMAR_FLAGROW(0, static_cast<const char*>(nullptr)).est()); }),
        0);
    EXPECT_EQ(codeOf([] { EXPECT_FALSE(ZELMAR_FLAGROW(0, "01", 9).est()); }), 0);
}

TEST(Construction, WordCountFollowsBitCount) {
    const std::pair<std::uint32_t, std::uint32_t> kCases[] = {{1, 1},  {31, 1}, {32, 1}, {33, 2},
                                                              {35, 2}, {64, 2}, {65, 3}, {192, 6}};
    for (const auto& [n, words] : kCases) {
        EXPECT_EQ(ZELMAR_FLAGROW(n).razmerUL(), words) << n << " bits";
        EXPECT_EQ(ZELMAR_FLAGROW(n, 1).razmerUL(), words) << n << " bits";
    }
}

TEST(Sizing, NadoDiscardsTheOldBitsEvenAtTheSameSize) {
    ZELMAR_FLAGROW v(35, 1);
    v.nado(35);
    EXPECT_EQ(bits(v), std::string(35, '0'));
    v.nado(35, 1);
    EXPECT_EQ(v.data()[0], 0xFFFFFFFFu);
    EXPECT_EQ(v.data()[1], 0xFFFFFFFFu);
}

TEST(Sizing, NadoToZeroBitsChangesNothing) {
    ZELMAR_FLAGROW v("1011001110");
    const std::uint32_t* storage = v.data();
    v.nado(0);
    v.nado(0, 1);
    v.nado(0, -1);
    EXPECT_EQ(bits(v), "1011001110");
    EXPECT_EQ(v.data(), storage);
}

TEST(SingleBits, ReachTheLastBitAndRejectTheNextWithoutChange) {
    ZELMAR_FLAGROW v(35);
    v.vkl(34);
    EXPECT_TRUE(v.test(34));
    const std::string before = bits(v);
    for (const std::uint32_t i : {35u, 36u, kToEnd}) {
        EXPECT_EQ(codeOf([&] { v.vkl(i); }), _ZELMAR_FLAGROW::kOutOfRange);
        EXPECT_EQ(codeOf([&] { v.otkl(i); }), _ZELMAR_FLAGROW::kOutOfRange);
        EXPECT_EQ(codeOf([&] { v.invert(i); }), _ZELMAR_FLAGROW::kOutOfRange);
        EXPECT_EQ(codeOf([&] { (void)v.test(i); }), _ZELMAR_FLAGROW::kOutOfRange);
    }
    EXPECT_EQ(bits(v), before);
}

TEST(SingleBits, EmptyVectorRejectsEveryBitNumber) {
    ZELMAR_FLAGROW v;
    EXPECT_EQ(codeOf([&] { (void)v.test(0); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { v.vkl(0); }), _ZELMAR_FLAGROW::kOutOfRange);
    EXPECT_EQ(codeOf([&] { v.invert(kToEnd); }), _ZELMAR_FLAGROW::kOutOfRange);
}

TEST(SingleBits, FlipTwiceRestores) {
    ZELMAR_FLAGROW v("0110100");
    v.invert(2);
    EXPECT_EQ(bits(v), "0100100");
    v.invert(2);
    EXPECT_EQ(bits(v), "0110100");
}

TEST(WholeVector, MembersOnAnEmptyVectorDoNothing) {
    ZELMAR_FLAGROW v;
    v.vkl().otkl().invert();
    EXPECT_FALSE(v.est());
    EXPECT_EQ(v.data(), nullptr);
}

TEST(WholeVector, VklSetsTheSpareBitsYetCountsOnlyTheSize) {
    ZELMAR_FLAGROW v(35);
    v.vkl();
    EXPECT_EQ(v.data()[1], 0xFFFFFFFFu);
    EXPECT_EQ(v.schet(), 35u);
    char text[64];
    ASSERT_EQ(v.expStr(text, sizeof text), 0u);
    EXPECT_EQ(std::string(text), std::string(35, '1'));
}

TEST(WholeVector, InvertTwiceRestoresAndOtklClears) {
    ZELMAR_FLAGROW v("110010111000011111");
    v.invert();
    EXPECT_EQ(bits(v), "001101000111100000");
    v.invert();
    EXPECT_EQ(bits(v), "110010111000011111");
    v.otkl();
    EXPECT_EQ(bits(v), std::string(18, '0'));
}

TEST(Copying, AssigningAnEmptyVectorKeepsTheTarget) {
    ZELMAR_FLAGROW a("1100");
    const ZELMAR_FLAGROW empty;
    a = empty;
    EXPECT_EQ(bits(a), "1100");
}

TEST(Copying, SelfAssignmentChangesNothing) {
    ZELMAR_FLAGROW a("1100");
    const ZELMAR_FLAGROW& same = a;
    a = same;
    EXPECT_EQ(bits(a), "1100");
}

TEST(Copying, CopiesAreDeepAndKeepTheSpareBits) {
    const ZELMAR_FLAGROW source(35, 1);
    ZELMAR_FLAGROW constructed(source);
    ZELMAR_FLAGROW assigned(3);
    assigned = source;
    for (ZELMAR_FLAGROW* copy : {&constructed, &assigned}) {
        EXPECT_NE(copy->data(), source.data());
        EXPECT_EQ(copy->razmer(), 35u);
        EXPECT_EQ(copy->data()[1], 0xFFFFFFFFu);
        copy->otkl(0);
    }
    EXPECT_TRUE(source.test(0));
}

TEST(Copying, CopyOfAnEmptyVectorIsEmpty) {
    const ZELMAR_FLAGROW empty;
    const ZELMAR_FLAGROW copy(empty);
    EXPECT_FALSE(copy.est());
    EXPECT_EQ(copy.razmerUL(), 0u);
}

// Whether v's words are held inside its own object.
bool heldInside(const ZELMAR_FLAGROW& v) {
    const auto* object = reinterpret_cast<const char*>(&v);
    const auto* words = reinterpret_cast<const char*>(v.data());
    return words >= object && words < object + sizeof v;
}

// Up to 128 bits live inside the object and are copied by a move; longer vectors hand their heap
// array over. Either way the source is left empty with no storage.
TEST(Moving, TakesTheStorageAndLeavesTheSourceEmpty) {
    for (const std::uint32_t n : {40u, 128u, 129u, 400u}) {
        SCOPED_TRACE(n);
        const bool inside = n <= 128;
        ZELMAR_FLAGROW source(n, "110");
        const std::uint32_t* storage = source.data();
        EXPECT_EQ(heldInside(source), inside);
        EXPECT_EQ(source.capacity(), inside ? 128u : (n + 31) / 32 * 32);
        ZELMAR_FLAGROW moved(std::move(source));
        EXPECT_EQ(moved.data() == storage, !inside);
        EXPECT_EQ(heldInside(moved), inside);
        EXPECT_EQ(bits(moved), bits(ZELMAR_FLAGROW(n, "110")));
        EXPECT_EQ(source.razmer(), 0u);
        EXPECT_EQ(source.razmerUL(), 0u);
        EXPECT_EQ(source.data(), nullptr);
        EXPECT_EQ(source.capacity(), 0u);

        ZELMAR_FLAGROW target(5);
        target = std::move(moved);
        EXPECT_EQ(target.data() == storage, !inside);
        EXPECT_EQ(heldInside(target), inside);
        EXPECT_EQ(target.razmer(), n);
        EXPECT_EQ(moved.razmer(), 0u);
        EXPECT_EQ(moved.data(), nullptr);
    }
}

TEST(ErrorRecord, KeepsCodeFileAndLine) {
    const _ZELMAR_FLAGROW e(4, "ishodniki/x.cpp", 17);
    const _ZELMAR_FLAGROW copy(e);
    for (const _ZELMAR_FLAGROW* r : {&e, &copy}) {
        EXPECT_EQ(r->code(), _ZELMAR_FLAGROW::kOutOfRange);
        EXPECT_STREQ(r->file(), "ishodniki/x.cpp");
        EXPECT_EQ(r->line(), 17);
    }
}

TEST(ErrorRecord, FileNameIsCutAfter255Characters) {
    std::string name(300, 'x');
    name[254] = 'y';
    name[255] = 'z';
    const _ZELMAR_FLAGROW e(6, name.c_str(), 1);
    EXPECT_EQ(std::strlen(e.file()), 255u);
    EXPECT_EQ(std::string(e.file()), name.substr(0, 255));
}

TEST(ErrorRecord, NullFileNameIsKeptAsEmpty) {
    const _ZELMAR_FLAGROW e(1, nullptr, 3);
    EXPECT_STREQ(e.file(), "");
    EXPECT_EQ(e.code(), _ZELMAR_FLAGROW::kEmpty);
}

// The single-bit members are inline in the header; every other check lives in the
// implementation. Either way the line is that of a real check.
void expectRaisedIn(const _ZELMAR_FLAGROW& e, std::int32_t code, const char* file) {
    EXPECT_EQ(e.code(), code);
    EXPECT_STREQ(e.file(), file);
    EXPECT_GT(e.line(), 0);
}

TEST(ErrorRecord, SingleBitMembersNameTheHeader) {
    ZELMAR_FLAGROW v(3);
    expectRaisedIn(errorOf([&] { v.vkl(3); }), _ZELMAR_FLAGROW::kOutOfRange, kHeaderFile);
    expectRaisedIn(errorOf([&] { v.otkl(3); }), _ZELMAR_FLAGROW::kOutOfRange, kHeaderFile);
    expectRaisedIn(errorOf([&] { v.invert(3); }), _ZELMAR_FLAGROW::kOutOfRange, kHeaderFile);
    expectRaisedIn(errorOf([&] { (void)v.test(3); }), _ZELMAR_FLAGROW::kOutOfRange, kHeaderFile);
}

TEST(ErrorRecord, OtherMembersNameTheImplementation) {
    ZELMAR_FLAGROW v(5);
    const ZELMAR_FLAGROW empty;
    const ZELMAR_FLAGROW alsoEmpty;
    std::uint32_t words[4] = {};
    char text[8];
    expectRaisedIn(errorOf([&] { v.vkl(3, 2); }), _ZELMAR_FLAGROW::kOutOfRange, kMembersFile);
    expectRaisedIn(errorOf([&] { (void)empty.test(0, 1); }), _ZELMAR_FLAGROW::kEmpty, kMembersFile);
    expectRaisedIn(errorOf([&] { (void)empty.null(); }), _ZELMAR_FLAGROW::kEmpty, kMembersFile);
    expectRaisedIn(errorOf([&] { (void)empty.schet(); }), _ZELMAR_FLAGROW::kEmpty, kMembersFile);
    expectRaisedIn(errorOf([&] { (void)(empty != alsoEmpty); }), _ZELMAR_FLAGROW::kEmpty,
                   kMembersFile);
    expectRaisedIn(errorOf([&] { (void)empty.expStr(text, sizeof text); }), _ZELMAR_FLAGROW::kEmpty,
                   kMembersFile);
    expectRaisedIn(errorOf([&] { v.impStr(nullptr); }), _ZELMAR_FLAGROW::kNullPointer,
                   kMembersFile);
    expectRaisedIn(errorOf([&] { ZELMAR_FLAGROW(static_cast<const char*>(nullptr)); }),
                   _ZELMAR_FLAGROW::kNullPointer, kMembersFile);
    expectRaisedIn(errorOf([&] { v.impStr("01", 3); }), _ZELMAR_FLAGROW::kOutOfRange, kMembersFile);
    expectRaisedIn(errorOf([&] { (void)v.expUL(words, 4, 4, 3); }), _ZELMAR_FLAGROW::kOutOfRange,
                   kMembersFile);
    expectRaisedIn(errorOf([&] { (void)v.impUL(4, 3, words, 4); }), _ZELMAR_FLAGROW::kOutOfRange,
                   kMembersFile);
    expectRaisedIn(errorOf([&] { v.plus(kToEnd); }), _ZELMAR_FLAGROW::kNoMemory, kMembersFile);
}

}  // namespace
}  // namespace zf_test
