#include <gtest/gtest.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <iterator>
#include <ranges>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <vector>

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

// ranges::fill and ranges::reverse, which the engine runs, need the proxy's const assignment and
// its swap on top of these.
static_assert(std::random_access_iterator<ZELMAR_FLAGROW::iterator>);
static_assert(std::random_access_iterator<ZELMAR_FLAGROW::const_iterator>);
static_assert(std::ranges::random_access_range<ZELMAR_FLAGROW>);
static_assert(std::is_nothrow_copy_constructible_v<_ZELMAR_FLAGROW>);

std::size_t hashOf(const ZELMAR_FLAGROW& v) { return std::hash<ZELMAR_FLAGROW>{}(v); }

TEST(Swap, MemberExchangesContentsAndStorage) {
    ZELMAR_FLAGROW a(std::string(200, '1'));
    ZELMAR_FLAGROW b;
    const std::uint32_t* storage = a.data();
    a.swap(b);
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(a.razmerUL(), 0u);
    EXPECT_EQ(b.count(), 200u);
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

TEST(BitReference, AssignsBoolsAndBitsAndCombinesWithBools) {
    ZELMAR_FLAGROW v("0000"sv);
    v[0] = true;
    v[1] = v[0];  // the bit's value, not the reference
    v[2] = ~v[1];
    v[3].flip();
    v[0] &= false;
    v[1] |= false;
    v[3] ^= true;
    const ZELMAR_FLAGROW::reference last = v[3];
    last = true;  // a const reference still writes its bit
    EXPECT_EQ(v.to_string(), "0101");
}

TEST(Error, IsCaughtAsAStdExceptionThatSaysWhereAndWhy) {
    ZELMAR_FLAGROW v(4);
    try {
        v[4] = true;
        FAIL() << "bit 4 of four is refused";
    } catch (const std::exception& e) {
        const _ZELMAR_FLAGROW copy = dynamic_cast<const _ZELMAR_FLAGROW&>(e);
        EXPECT_EQ(std::string(copy.what()),
                  "zelmar_flagrow error 4: a bit number or a range lies outside the vector or the "
                  "text (INCLUDE/ZELMAR_FLAGROW.h:" +
                      std::to_string(copy.line()) + ")");
    }
    EXPECT_STREQ(_ZELMAR_FLAGROW(-7, nullptr, -2147483647 - 1).what(),
                 "zelmar_flagrow error -7: unknown error (:-2147483648)");
}

TEST(Keys, SetsTellApartVectorsOfOneSizeAndTakeOneEmptyKey) {
    std::set<ZELMAR_FLAGROW, Quandrelissa::LessBySizeThenBits> ordered;
    std::unordered_set<ZELMAR_FLAGROW, std::hash<ZELMAR_FLAGROW>, Quandrelissa::EqualSizeAndBits>
        hashed;
    for (const char* text : {"0100", "0010", "", "1", "0010", ""}) {
        ordered.insert(withGarbageTail(text));
        hashed.insert(withGarbageTail(text));
    }
    std::vector<std::string> order;
    for (const ZELMAR_FLAGROW& k : ordered) order.push_back(k.to_string());
    EXPECT_EQ(order, (std::vector<std::string>{"", "1", "0010", "0100"}));
    EXPECT_EQ(hashed.size(), 4u);
}

}  // namespace
