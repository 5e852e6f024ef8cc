// Searches, range counts and the set algebra. Each fixture puts the answer at the far end, so
// that every contender reads the whole vector; each answer is checked once before the clock.
#include <bit>
#include <cstdint>
#include <utility>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

// Set bits of the random vector kSeedA among bits from .. to.
std::uint64_t setBitsIn(std::uint32_t bits, std::uint32_t from, std::uint32_t to) {
    std::uint64_t set = 0;
    std::uint64_t at = 0;
    for (const std::uint64_t w : randomWords(bits, kSeedA)) {
        const std::uint64_t low = from > at ? from - at : 0;
        const std::uint64_t high = to < at + 63 ? to - at + 1 : 64;
        if (low < 64 && high > low) {
            const std::uint64_t mask =
                (high == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << high) - 1) &
                ~((std::uint64_t{1} << low) - 1);
            set += static_cast<std::uint64_t>(std::popcount(w & mask));
        }
        at += 64;
    }
    return set;
}

template <class C>
void peerRows(Size size) {
    const std::uint32_t n = size.bits;
    const auto lastOnly = [n] {
        auto v = C::zeros(n);
        C::setBit(v, n - 1);
        return v;
    };
    const auto findNext = [](const auto& v) { return C::findNext(v, 0); };
    addRow("find_next", C::name, size, n / 8.0, answering(lastOnly, findNext, n - 1),
           asking(findNext));

    // b is a's complement, so that nothing is shared and the test reads to the end.
    const auto apart = [n] {
        auto a = randomVec<C>(n, kSeedA);
        auto b = C::complement(a);
        return std::pair{std::move(a), std::move(b)};
    };
    const auto twins = [n] { return std::pair{randomVec<C>(n, kSeedA), randomVec<C>(n, kSeedA)}; };
    const auto intersects = [](const auto& ab) { return C::intersects(ab.first, ab.second); };
    const auto isSubset = [](const auto& ab) { return C::isSubset(ab.first, ab.second); };
    addRow("intersects", C::name, size, n / 4.0, answering(apart, intersects, false),
           asking(intersects));
    addRow("is_subset_of", C::name, size, n / 4.0, answering(twins, isSubset, true),
           asking(isSubset));
    addRow(
        "subtract", C::name, size, n / 4.0,
        [n] {
            return std::pair{randomVec<C>(n, kSeedA), randomVec<C>(n, kSeedB)};
        },
        changing([](auto& ab) { C::subtract(ab.first, ab.second); }));
}

// The searches and counts no peer has.
void ourRows(Size size) {
    using Vec = Ours::Vec;
    const std::uint32_t n = size.bits;
    const auto firstOnly = [n] { return Vec(n).vkl(0); };
    const auto findPrev = [n](const Vec& v) { return v.find_prev(n - 1); };
    addRow("find_prev", Ours::name, size, n / 8.0, answering(firstOnly, findPrev, std::uint32_t{0}),
           asking(findPrev));
    const auto lastClear = [n] { return Vec(n, 1).otkl(n - 1); };
    const auto findUnset = [](const Vec& v) { return v.find_next_unset(0); };
    addRow("find_next_unset", Ours::name, size, n / 8.0, answering(lastClear, findUnset, n - 1),
           asking(findUnset));
    const auto countIn = [n](const Vec& v) { return v.schet(kFrom, rangeTo(n)); };
    addRow("count_range", Ours::name, size, rangeBits(n) / 8.0,
           answering(randomSetup<Ours>(n), countIn,
                     static_cast<std::uint32_t>(setBitsIn(n, kFrom, rangeTo(n)))),
           asking(countIn));
}

}  // namespace

void registerSearches(Size size) {
    Searching::each([size]<class C>() { peerRows<C>(size); });
    ourRows(size);
}

}  // namespace bench
