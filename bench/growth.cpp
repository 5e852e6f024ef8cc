#include <variant>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// A value of the vector's own: std::bitset's never leaves the stack, ours does not up to 128 bits.
template <class C>
void copying(Size size) {
    const std::uint32_t n = size.bits;
    addRow("copy", C::name, size, n / 8.0, randomSetup<C>(n), [](const auto& v) {
        const typename C::Vec copy(v);
        touch(&copy);
    });
}

template <class C>
void growth(Size size) {
    const std::uint32_t n = size.bits;

    addGrowthRow(
        "plus", C::name, size, n + 64, randomSetup<C>(n), [] { return std::monostate{}; },
        [](auto& v, std::monostate) { C::growOnes(v, 64); });
    addGrowthRow(
        "append", C::name, size, n + n / 2, randomSetup<C>(n),
        [n] { return typename C::Tail(C::tail(randomVec<C>(n / 2, kSeedB))); },
        [](auto& v, const auto& tail) { C::append(v, tail); });

    struct Sized {
        typename C::Vec v;
        PeakWatch watch;
        void report(benchmark::State& state) const { watch.report(state); }
    };
    addRow(
        "nado", C::name, size, n / 8.0,
        [n] {
            return Sized{randomVec<C>(n, kSeedA), PeakWatch(n / 8.0)};
        },
        changing([n](Sized& f) { f.watch.around([&] { C::refill(f.v, n); }); }));
}

}  // namespace

void registerGrowth(Size size) {
    Everyone::each([size]<class C>() {
        copying<C>(size);
        growth<C>(size);
    });
    atFixedSize(size, [size]<class C>() { copying<C>(size); });
}

}  // namespace bench
