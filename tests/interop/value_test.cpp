#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string_view>
#include <type_traits>
#include <unordered_set>
#include <utility>

#include "ZELMAR_FLAGROW.h"
#include "poison.h"
#include "raised.h"

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;
using zf_test::withGarbageTail;
using namespace std::string_view_literals;

namespace {

static_assert(std::is_nothrow_swappable_v<ZELMAR_FLAGROW>);
static_assert(noexcept(std::declval<ZELMAR_FLAGROW&>().swap(std::declval<ZELMAR_FLAGROW&>())));

std::size_t hashOf(const ZELMAR_FLAGROW& v) { return std::hash<ZELMAR_FLAGROW>{}(v); }

TEST(Swap, MemberExchangesContentsAndStorage) {
    ZELMAR_FLAGROW a("101"sv);
    ZELMAR_FLAGROW b;
    const std::uint32_t* storage = a.data();
    a.swap(b);
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(a.razmerUL(), 0u);
    EXPECT_EQ(b.to_string(), "101");
    EXPECT_EQ(b.data(), storage);
}

TEST(Swap, NonMemberIsFoundTheUsualWay) {
    ZELMAR_FLAGROW a("1100"sv);
    ZELMAR_FLAGROW b(40, 1);
    using std::swap;
    swap(a, b);
    EXPECT_EQ(a.size(), 40u);
    EXPECT_EQ(a.count(), 40u);
    EXPECT_EQ(b.to_string(), "1100");
}

TEST(Hash, EqualVectorsHashAlikeWhateverTheirStorageTail) {
    const ZELMAR_FLAGROW clean("0110100110"sv);
    const ZELMAR_FLAGROW dirty = withGarbageTail("0110100110");
    ASSERT_EQ(clean, dirty);
    EXPECT_EQ(hashOf(clean), hashOf(dirty));

    ZELMAR_FLAGROW ones(33);
    ones.vkl();
    const ZELMAR_FLAGROW written(std::string_view("111111111111111111111111111111111"));
    ASSERT_EQ(ones, written);
    EXPECT_EQ(hashOf(ones), hashOf(written));
}

TEST(Hash, UnorderedSetKeepsOneOfEachValue) {
    std::unordered_set<ZELMAR_FLAGROW> set;
    for (const char* text : {"0", "00", "1", "0110", "01100", "0110"}) {
        set.insert(withGarbageTail(text));
        set.insert(ZELMAR_FLAGROW(std::string_view(text)));
    }
    EXPECT_EQ(set.size(), 5u);
    EXPECT_EQ(set.count(ZELMAR_FLAGROW("01100"sv)), 1u);
}

TEST(Hash, EmptyVectorHashesWithoutThrowing) {
    EXPECT_EQ(hashOf(ZELMAR_FLAGROW()), hashOf(ZELMAR_FLAGROW(std::string_view())));
}

TEST(BitsetNames, EmptyVectorAnswersWithoutThrowing) {
    const ZELMAR_FLAGROW v;
    EXPECT_NO_THROW({
        EXPECT_FALSE(v.any());
        EXPECT_TRUE(v.none());
        EXPECT_TRUE(v.all());
        EXPECT_EQ(v.count(), 0u);
        EXPECT_EQ(v.size(), 0u);
        EXPECT_TRUE(v.empty());
    });
}

TEST(BitsetNames, StorageTailNeverCounts) {
    const ZELMAR_FLAGROW zeros = withGarbageTail("00000000000000000000000000000000000");
    EXPECT_FALSE(zeros.any());
    EXPECT_TRUE(zeros.none());
    EXPECT_EQ(zeros.count(), 0u);

    ZELMAR_FLAGROW almost(35, 1);
    almost.otkl(34);
    EXPECT_FALSE(almost.all());
    EXPECT_EQ(almost.count(), 34u);
}

TEST(BitsetNames, AllSeesEveryWord) {
    ZELMAR_FLAGROW v(96, 1);
    EXPECT_TRUE(v.all());
    v.reset(40);
    EXPECT_FALSE(v.all());
    v.set(40).flip(95);
    EXPECT_FALSE(v.all());
    v.flip();
    EXPECT_EQ(v.count(), 1u);
    EXPECT_TRUE(v.test(95));
}

TEST(BitsetNames, SingleBitFormsThrowCodeFourPastTheEnd) {
    ZELMAR_FLAGROW v(8);
    for (auto call : {+[](ZELMAR_FLAGROW& x) { x.set(8); }, +[](ZELMAR_FLAGROW& x) { x.reset(8); },
                      +[](ZELMAR_FLAGROW& x) { x.flip(8); }}) {
        EXPECT_EQ(zf_test::codeOf([&] { call(v); }), _ZELMAR_FLAGROW::kOutOfRange);
    }
    EXPECT_TRUE(v.none());
}

}  // namespace
