// A number is no operand of the combining, comparing and concatenating operators, although the
// implicit bit-count constructor would make one of it; that constructor itself stays.
#include <gtest/gtest.h>

#include <cstdint>

#include "ZELMAR_FLAGROW.h"

namespace zf_test {
namespace {

using Quandrelissa::ZELMAR_FLAGROW;

enum Plain { plainOne = 1 };

// Whether each operator takes a left operand of type L and a right one of type R.
template <class L, class R>
concept AndAssign = requires(L l, R r) {
    l &= r;
};
template <class L, class R>
concept OrAssign = requires(L l, R r) {
    l |= r;
};
template <class L, class R>
concept XorAssign = requires(L l, R r) {
    l ^= r;
};
template <class L, class R>
concept Append = requires(L l, R r) {
    l += r;
};
template <class L, class R>
concept SubtractAssign = requires(L l, R r) {
    l -= r;
};
template <class L, class R>
concept And = requires(L l, R r) {
    l& r;
};
template <class L, class R>
concept Or = requires(L l, R r) {
    l | r;
};
template <class L, class R>
concept Xor = requires(L l, R r) {
    l ^ r;
};
template <class L, class R>
concept Subtract = requires(L l, R r) {
    l - r;
};
template <class L, class R>
concept Equal = requires(L l, R r) {
    l == r;
};
template <class L, class R>
concept NotEqual = requires(L l, R r) {
    l != r;
};
template <class L, class R>
concept Less = requires(L l, R r) {
    l < r;
};

template <class N>
constexpr bool refusedWith() {
    using V = ZELMAR_FLAGROW&;
    return !AndAssign<V, N> && !OrAssign<V, N> && !XorAssign<V, N> && !Append<V, N> &&
           !SubtractAssign<V, N> && !And<V, N> && !And<N, V> && !Or<V, N> && !Or<N, V> &&
           !Xor<V, N> && !Xor<N, V> && !Subtract<V, N> && !Subtract<N, V> && !Equal<V, N> &&
           !Equal<N, V> && !NotEqual<V, N> && !NotEqual<N, V> && !Less<V, N> && !Less<N, V>;
}

static_assert(refusedWith<int>());
static_assert(refusedWith<std::uint32_t>());
static_assert(refusedWith<long long>());
static_assert(refusedWith<char>());
static_assert(refusedWith<bool>());
static_assert(refusedWith<double>());
static_assert(refusedWith<Plain>());

// The vector operands, and what converts to one without being a number, still work.
using C = const ZELMAR_FLAGROW&;
static_assert(AndAssign<ZELMAR_FLAGROW&, C> && OrAssign<ZELMAR_FLAGROW&, C> &&
              XorAssign<ZELMAR_FLAGROW&, C> && Append<ZELMAR_FLAGROW&, C> &&
              SubtractAssign<ZELMAR_FLAGROW&, C> && And<C, C> && Or<C, C> && Xor<C, C> &&
              Subtract<C, C> && Equal<C, C> && NotEqual<C, C> && Less<C, C>);
static_assert(OrAssign<ZELMAR_FLAGROW&, const char*> && Equal<C, const char*>);

TEST(NumberOperand, CountConstructorStaysImplicit) {
    const ZELMAR_FLAGROW v = 8;
    EXPECT_EQ(v.razmer(), 8u);
    EXPECT_TRUE(v.null());
}

}  // namespace
}  // namespace zf_test
