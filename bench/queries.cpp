#include <utility>

#include "contenders.h"
#include "families.h"

namespace bench {
namespace {

template <class C>
void queries(unsigned lg) {
    const std::uint32_t n = bitsOf(lg);
    // Clear vectors and equal operands make every contender read to the end.
    const auto clear = [n] { return C::zeros(n); };
    const auto twins = [n] { return std::pair{randomVec<C>(n, kSeedA), randomVec<C>(n, kSeedA)}; };

    addRow("count", C::name, lg, n / 8.0, randomSetup<C>(n),
           asking([](const auto& v) { return C::count(v); }));
    addRow("any", C::name, lg, n / 8.0, clear, asking([](const auto& v) { return C::any(v); }));
    addRow("any_range", C::name, lg, rangeBits(n) / 8.0, clear,
           asking([n](const auto& v) { return C::anyIn(v, kFrom, rangeTo(n)); }));
    addRow("eq", C::name, lg, n / 8.0, twins,
           asking([](const auto& ab) { return C::equal(ab.first, ab.second); }));
}

}  // namespace

void registerQueries(unsigned lg) {
    Everyone::each([lg]<class C>() { queries<C>(lg); });
}

}  // namespace bench
