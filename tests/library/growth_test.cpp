// Growth that keeps the bits (resize, push_back, pop_back, reserve) and the listed-bit forms,
// against the reference model at word and register boundaries, over garbage in the storage tail.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "compare.h"
#include "edge.h"
#include "poison.h"
#include "reference_model.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kSizes[] = {0,   1,   31,  32,  33,  63,   64,   65,  255,
                                    256, 257, 511, 512, 513, 1023, 1024, 1025};

// The same bits in the class and the model, with garbage past the size in the class.
struct Pair {
    ZELMAR_FLAGROW actual;
    ReferenceVector expected;
    explicit Pair(std::uint32_t n) : actual(n, "1101000110"), expected(n, "1101000110") {
        poisonTail(actual, 0xDEADBEEFu);
    }
};

TEST(Resize, KeepsTheBitsAndWritesEveryNewOneOverStaleStorage) {
    for (const std::uint32_t from : kSizes) {
        for (const std::uint32_t to : kSizes) {
            for (const bool value : {false, true}) {
                Pair p(from);
                // Shrinking first leaves stale bits in the storage that growing must overwrite.
                p.actual.resize(from / 2).resize(to, value);
                p.expected.resize(from / 2).resize(to, value);
                EXPECT_EQ(difference(p.actual, p.expected), "")
                    << from << " -> " << from / 2 << " -> " << to << " value " << value;
                EXPECT_GE(p.actual.capacity(), p.actual.razmer());
            }
        }
    }
}

TEST(PushBack, FollowsTheModelAcrossWordBoundariesAndAfterPopBack) {
    Pair p(30);
    for (std::uint32_t t = 0; t < 1100; ++t) {
        const bool value = (t * 2654435761u) >> 31 != 0;
        if (t % 7 == 3) {
            p.actual.pop_back();
            p.expected.pop_back();
        } else {
            p.actual.push_back(value);
            p.expected.push_back(value);
        }
        if (t % 13 == 0) poisonTail(p.actual, ~t);
        ASSERT_EQ(difference(p.actual, p.expected), "") << "step " << t;
    }
}

TEST(PushBack, GrowsGeometrically) {
    ZELMAR_FLAGROW v;
    std::uint32_t changes = 0;
    std::uint32_t last = v.capacity();
    for (std::uint32_t t = 0; t < 200000; ++t) {
        v.push_back(t % 3 == 0);
        if (v.capacity() != last) ++changes;
        last = v.capacity();
    }
    EXPECT_LE(changes, 20u);
    EXPECT_EQ(v.schet(), 66667u);
}

TEST(PopBack, RefusesAnEmptyVector) {
    ZELMAR_FLAGROW v;
    EXPECT_EQ(codeOf([&] { v.pop_back(); }), _ZELMAR_FLAGROW::kEmpty);
    v.push_back(true).pop_back();
    EXPECT_EQ(v.razmer(), 0u);
    EXPECT_EQ(v.razmerUL(), 0u);
    EXPECT_EQ(codeOf([&] { v.pop_back(); }), _ZELMAR_FLAGROW::kEmpty);
}

// Up to 128 bits are held inside the object; past that, on the heap, exactly the words in use.
TEST(Capacity, NadoAndCopiesHoldExactlyTheWordsInUse) {
    ZELMAR_FLAGROW v(40, 1);
    EXPECT_EQ(v.capacity(), 128u);
    v.reserve(1000);
    EXPECT_GE(v.capacity(), 1000u);
    EXPECT_EQ(bits(v), std::string(40, '1'));
    const ZELMAR_FLAGROW copy(v);
    EXPECT_EQ(copy.capacity(), 128u);
    v.nado(400);
    EXPECT_EQ(v.capacity(), 416u);
    v.reserve(10);  // never shrinks
    EXPECT_EQ(v.capacity(), 416u);
    v.nado(40);
    EXPECT_EQ(v.capacity(), 128u);
    ZELMAR_FLAGROW moved(std::move(v));
    EXPECT_EQ(moved.capacity(), 128u);
    EXPECT_EQ(v.capacity(), 0u);  // NOLINT(bugprone-use-after-move): moved-from is empty
}

TEST(Capacity, GrowthAfterSpareStorageKeepsEveryOtherMemberRight) {
    ZELMAR_FLAGROW v;
    for (std::uint32_t t = 0; t < 45; ++t) v.push_back(t % 2 == 0);
    ZELMAR_FLAGROW w(v);
    v.plus(20, 1);
    w += w;
    EXPECT_EQ(v.razmer(), 65u);
    EXPECT_EQ(v.schet(), 23u + 20u);
    EXPECT_EQ(w.razmer(), 90u);
    v.impStr("1011");
    EXPECT_EQ(bits(v), "1011");
    v.swap(w);
    EXPECT_EQ(v.razmer(), 90u);
    EXPECT_GE(w.capacity(), w.razmer());
}

// Lists that cross word and register boundaries, with duplicates and out of order.
std::vector<std::uint32_t> listFor(std::uint32_t n) {
    std::vector<std::uint32_t> list;
    for (const std::uint32_t i : {0u, 31u, 32u, 33u, 63u, 64u, 255u, 256u, 511u, 512u, 1024u})
        if (i < n) list.push_back(i);
    if (n != 0) list.insert(list.end(), {n - 1, 0, n - 1, n / 2});
    return list;
}

TEST(ListedBits, MatchTheModelAndFlipTwiceWhenListedTwice) {
    for (const std::uint32_t n : kSizes) {
        const std::vector<std::uint32_t> list = listFor(n);
        for (int op = 0; op < 3; ++op) {
            Pair p(n);
            const auto change = [&](auto& x) {
                if (op == 0) x.vkl(list);
                if (op == 1) x.otkl(list);
                if (op == 2) x.invert(list);
            };
            change(p.actual);
            change(p.expected);
            EXPECT_EQ(difference(p.actual, p.expected), "") << "size " << n << " op " << op;
        }
    }
    ZELMAR_FLAGROW v(64);
    const std::uint32_t twice[] = {5, 40, 5};
    v.invert(twice);
    EXPECT_FALSE(v.test(5));
    EXPECT_TRUE(v.test(40));
}

TEST(ListedBits, OneIndexPastTheEndRefusesTheWholeListUnchanged) {
    for (const std::uint32_t n : kSizes) {
        std::vector<std::uint32_t> list = listFor(n);
        list.push_back(n);
        list.push_back(0);
        Pair p(n);
        const std::string before = bits(p.actual);
        EXPECT_EQ(codeOf([&] { p.actual.vkl(list); }), _ZELMAR_FLAGROW::kOutOfRange);
        EXPECT_EQ(codeOf([&] { p.actual.otkl(list); }), _ZELMAR_FLAGROW::kOutOfRange);
        const auto e = errorOf([&] { p.actual.invert(list); });
        EXPECT_EQ(e.code(), _ZELMAR_FLAGROW::kOutOfRange);
        EXPECT_STREQ(e.file(), kMembersFile);
        EXPECT_EQ(bits(p.actual), before);
    }
    ZELMAR_FLAGROW empty;
    EXPECT_EQ(codeOf([&] { empty.vkl(std::span<const std::uint32_t>{}); }), 0);
}

}  // namespace
}  // namespace zf_test
