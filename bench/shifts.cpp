#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// shl moves bits towards bit 0 (our <<=, boost's >>=), shr away from it.
template <class C>
void shifts(Size size) {
    const std::uint32_t n = size.bits;
    const std::pair<const char*, std::uint32_t> counts[] = {
        {"1", 1}, {"32", 32}, {"33", 33}, {"half", n / 2}};
    for (const auto& [label, count] : counts) {
        addRow(std::string("shl") + label, C::name, size, n / 8.0, randomSetup<C>(n),
               changing([k = count](auto& v) { C::shiftDown(v, k); }));
        addRow(std::string("shr") + label, C::name, size, n / 8.0, randomSetup<C>(n),
               changing([k = count](auto& v) { C::shiftUp(v, k); }));
    }
}

}  // namespace

void registerShifts(Size size) {
    WordWise::each([size]<class C>() { shifts<C>(size); });
    atFixedSize(size, [size]<class C>() { shifts<C>(size); });
}

}  // namespace bench
