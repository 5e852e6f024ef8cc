#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

template <class C>
void fills(Size size) {
    const std::uint32_t n = size.bits;
    addRow("set_range", C::name, size, rangeBits(n) / 8.0, randomSetup<C>(n),
           changing([n](auto& v) { C::fillRange(v, kFrom, rangeTo(n), true); }));
    addRow("clear_range", C::name, size, rangeBits(n) / 8.0, randomSetup<C>(n),
           changing([n](auto& v) { C::fillRange(v, kFrom, rangeTo(n), false); }));
}

template <class C>
void flips(Size size) {
    const std::uint32_t n = size.bits;
    addRow("flip_range", C::name, size, rangeBits(n) / 8.0, randomSetup<C>(n),
           changing([n](auto& v) { C::flipRange(v, kFrom, rangeTo(n)); }));
}

}  // namespace

void registerRanges(Size size) {
    Everyone::each([size]<class C>() { fills<C>(size); });
    WordWise::each([size]<class C>() { flips<C>(size); });
}

}  // namespace bench
