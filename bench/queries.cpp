#include <type_traits>
#include <utility>
#include <vector>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

// Clear vectors and equal operands make every contender read to the end.
template <class C>
void wholeQueries(Size size) {
    const std::uint32_t n = size.bits;
    const auto clear = [n] { return C::zeros(n); };
    const auto count = [](const auto& v) { return C::count(v); };
    const auto any = [](const auto& v) { return C::any(v); };
    const auto no = [] { return false; };

    // The floor's count is a read pass, not a count: only its traffic is comparable.
    if constexpr (std::is_same_v<C, Raw>) {
        addRow("count", C::name, size, n / 8.0, randomSetup<C>(n), asking(count));
    } else {
        addRow("count", C::name, size, n / 8.0,
               answering(randomSetup<C>(n), count, [n] { return setBits(n); }), asking(count));
    }
    addRow("any", C::name, size, n / 8.0, answering(clear, any, no), asking(any));
}

template <class C>
void rangeAndEquality(Size size) {
    const std::uint32_t n = size.bits;
    const auto clear = [n] { return C::zeros(n); };
    const auto twins = [n] { return std::pair{randomVec<C>(n, kSeedA), randomVec<C>(n, kSeedA)}; };
    const auto anyIn = [n](const auto& v) { return C::anyIn(v, kFrom, rangeTo(n)); };
    const auto equal = [](const auto& ab) { return C::equal(ab.first, ab.second); };
    const auto no = [] { return false; };
    const auto yes = [] { return true; };
    addRow("any_range", C::name, size, rangeBits(n) / 8.0, answering(clear, anyIn, no),
           asking(anyIn));
    addRow("eq", C::name, size, n / 8.0, answering(twins, equal, yes), asking(equal));
}

}  // namespace

void registerQueries(Size size) {
    Everyone::each([size]<class C>() {
        wholeQueries<C>(size);
        rangeAndEquality<C>(size);
    });
    atFixedSize(size, [size]<class C>() { wholeQueries<C>(size); });
}

}  // namespace bench
