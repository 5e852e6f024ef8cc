#include <algorithm>
#include <vector>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// One-bit operations per iteration.
constexpr std::uint32_t kOps = 4096;

/// kOps calls of set_bit or test_bit, on consecutive bit numbers (wrapping round at the end) or
/// on random ones read from a list long enough to leave the caches at the largest size.
template <class C, bool random, bool write>
void bitLoop(Size size) {
    struct Fixture {
        typename C::Vec v;
        std::vector<std::uint32_t> order;
        std::uint32_t next = 0;
    };
    const std::uint32_t n = size.bits;
    const std::string name =
        std::string(write ? "set_bit" : "test_bit") + (random ? "_rand" : "_seq");
    // A multiple of kOps, so that no batch runs past the end of the list.
    const std::size_t listed = random ? std::clamp<std::size_t>(n, kOps, std::size_t{1} << 20) : 0;
    addRow(
        name, C::name, size, kOps / 8.0,
        [=] {
            return Fixture{randomVec<C>(n, kSeedA), randomIndexes(listed, n)};
        },
        [=](Fixture& f) {
            touch(&f);
            std::uint32_t set = 0;
            std::uint32_t at = f.next;
            for (std::uint32_t k = 0; k < kOps; ++k) {
                if constexpr (random) at = f.order[f.next + k];
                if constexpr (write) {
                    C::setBit(f.v, at);
                } else {
                    set += C::testBit(f.v, at) ? 1u : 0u;
                }
                if constexpr (!random) at = at + 1 == n ? 0 : at + 1;
            }
            keep(set);
            touch(&f);
            f.next = random ? (f.next + kOps) % static_cast<std::uint32_t>(f.order.size()) : at;
        });
}

template <class C>
void singleBits(Size size) {
    bitLoop<C, false, true>(size);
    bitLoop<C, true, true>(size);
    bitLoop<C, false, false>(size);
    bitLoop<C, true, false>(size);
}

}  // namespace

void registerSingleBits(Size size) {
    Everyone::each([size]<class C>() { singleBits<C>(size); });
    atFixedSize(size, [size]<class C>() { singleBits<C>(size); });
}

}  // namespace bench
