// Every bit read once, in order, the way a loop over a container of bool reads them: through the
// iterators (range-for and the standard algorithms), and by index, v[i] beside our test(i). The
// vectors are not const, so both walks go through the proxy references.
#include <cstdint>
#include <type_traits>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

template <class C, class Walk>
void walkRow(const char* operation, Size size, Walk walk) {
    const std::uint32_t n = size.bits;
    addRow(operation, C::name, size, n / 8.0,
           answering(randomSetup<C>(n), walk, [n] { return setBits(n); }), asking(walk));
}

template <class C>
void bitWalks(Size size) {
    walkRow<C>("walk_iter", size, [](auto& v) {
        std::uint64_t set = 0;
        for (const bool bit : v) set += bit ? 1u : 0u;
        return set;
    });
    walkRow<C>("walk_index", size, [](auto& v) {
        std::uint64_t set = 0;
        const auto n = static_cast<std::uint32_t>(v.size());
        for (std::uint32_t i = 0; i < n; ++i) set += v[i] ? 1u : 0u;
        return set;
    });
    if constexpr (std::is_same_v<C, Ours>) {
        walkRow<C>("walk_test", size, [](auto& v) {
            std::uint64_t set = 0;
            const std::uint32_t n = v.size();
            for (std::uint32_t i = 0; i < n; ++i) set += v.test(i) ? 1u : 0u;
            return set;
        });
    }
}

}  // namespace

void registerBitWalks(Size size) {
    Iterating::each([size]<class C>() { bitWalks<C>(size); });
}

}  // namespace bench
