#include <vector>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// One-bit operations per iteration.
constexpr std::uint32_t kOps = 4096;

/// kOps calls of set_bit or test_bit, on consecutive bit numbers or on random ones read from a
/// list long enough to leave the caches at the largest size.
template <class C, bool random, bool write>
void bitLoop(unsigned lg) {
    struct Fixture {
        typename C::Vec v;
        std::vector<std::uint32_t> order;
        std::uint32_t next = 0;
    };
    const std::uint32_t n = bitsOf(lg);
    const std::string name =
        std::string(write ? "set_bit" : "test_bit") + (random ? "_rand" : "_seq");
    const std::size_t listed = random ? std::min<std::size_t>(n, std::size_t{1} << 20) : 0;
    addRow(
        name, C::name, lg, kOps / 8.0,
        [=] {
            return Fixture{randomVec<C>(n, kSeedA), randomIndexes(listed, n)};
        },
        [n](Fixture& f) {
            const auto at = [&](std::uint32_t k) {
                if constexpr (random) {
                    return f.order[f.next + k];
                } else {
                    return (f.next + k) & (n - 1);
                }
            };
            touch(&f);
            std::uint32_t set = 0;
            for (std::uint32_t k = 0; k < kOps; ++k) {
                if constexpr (write) {
                    C::setBit(f.v, at(k));
                } else {
                    set += C::testBit(f.v, at(k)) ? 1u : 0u;
                }
            }
            keep(set);
            touch(&f);
            f.next = (f.next + kOps) % (random ? static_cast<std::uint32_t>(f.order.size()) : n);
        });
}

template <class C>
void singleBits(unsigned lg) {
    bitLoop<C, false, true>(lg);
    bitLoop<C, true, true>(lg);
    bitLoop<C, false, false>(lg);
    bitLoop<C, true, false>(lg);
}

}  // namespace

void registerSingleBits(unsigned lg) {
    Everyone::each([lg]<class C>() { singleBits<C>(lg); });
}

}  // namespace bench
