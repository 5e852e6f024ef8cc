#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

template <class C>
void fills(unsigned lg) {
    const std::uint32_t n = bitsOf(lg);
    addRow("set_range", C::name, lg, rangeBits(n) / 8.0, randomSetup<C>(n),
           changing([n](auto& v) { C::fillRange(v, kFrom, rangeTo(n), true); }));
    addRow("clear_range", C::name, lg, rangeBits(n) / 8.0, randomSetup<C>(n),
           changing([n](auto& v) { C::fillRange(v, kFrom, rangeTo(n), false); }));
}

template <class C>
void flips(unsigned lg) {
    const std::uint32_t n = bitsOf(lg);
    addRow("flip_range", C::name, lg, rangeBits(n) / 8.0, randomSetup<C>(n),
           changing([n](auto& v) { C::flipRange(v, kFrom, rangeTo(n)); }));
}

}  // namespace

void registerRanges(unsigned lg) {
    Everyone::each([lg]<class C>() { fills<C>(lg); });
    WordWise::each([lg]<class C>() { flips<C>(lg); });
}

}  // namespace bench
