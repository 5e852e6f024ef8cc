#include <variant>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

template <class C>
void growth(unsigned lg) {
    const std::uint32_t n = bitsOf(lg);

    addGrowthRow(
        "plus", C::name, lg, n + 64, randomSetup<C>(n), [] { return std::monostate{}; },
        [](auto& v, std::monostate) { C::growOnes(v, 64); });
    addGrowthRow(
        "append", C::name, lg, n + n / 2, randomSetup<C>(n),
        [n] { return typename C::Tail(C::tail(randomVec<C>(n / 2, kSeedB))); },
        [](auto& v, const auto& tail) { C::append(v, tail); });

    addRow("copy", C::name, lg, n / 8.0, randomSetup<C>(n), [](const auto& v) {
        const typename C::Vec copy(v);
        touch(&copy);
    });

    struct Sized {
        typename C::Vec v;
        PeakWatch watch;
        void report(benchmark::State& state) const { watch.report(state); }
    };
    addRow(
        "nado", C::name, lg, n / 8.0,
        [n] {
            return Sized{randomVec<C>(n, kSeedA), PeakWatch(n / 8.0)};
        },
        changing([n](Sized& f) { f.watch.around([&] { C::refill(f.v, n); }); }));
}

}  // namespace

void registerGrowth(unsigned lg) {
    Everyone::each([lg]<class C>() { growth<C>(lg); });
}

}  // namespace bench
