// Walking every set bit of 2^22 bits at three densities: ours through set_bits(), boost through
// find_first and find_next, std::vector<bool> through operator[], and the limit, the plain word
// loop with countr_zero. Ours also as a find_next loop, the way its iterator used to step.
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

constexpr Size kWalked = {1u << 22, "22"};

struct Density {
    std::uint32_t perMille;
    const char* name;
};
constexpr Density kDensities[] = {{1, "0.1%"}, {100, "10%"}, {500, "50%"}};

// Each bit set with the density's chance, the same bits for every contender.
const std::vector<std::uint64_t>& wordsAt(Density d) {
    static std::map<std::uint32_t, std::vector<std::uint64_t>> made;
    auto& words = made[d.perMille];
    if (words.empty()) {
        std::mt19937_64 random(kSeedA);
        words.assign(kWalked.bits / 64, 0);
        for (std::uint32_t i = 0; i < kWalked.bits; ++i)
            if (random() % 1000 < d.perMille) words[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    return words;
}

// The sum of the set bits' numbers: what every walk must come to.
std::uint64_t sumOfSetBits(const std::vector<std::uint64_t>& words) {
    std::uint64_t sum = 0;
    for (std::uint32_t i = 0; i < kWalked.bits; ++i)
        if ((words[i / 64] >> (i % 64)) & 1) sum += i;
    return sum;
}

template <class Walk>
void walkRow(const std::string& operation, const char* contender, Density d, Walk walk) {
    const auto& words = wordsAt(d);
    const std::uint64_t expected = sumOfSetBits(words);
    addRun(operation, contender, kWalked, [=, &words](benchmark::State& state) {
        const auto v = walk.build(words);
        const auto sum = [&] {
            std::uint64_t total = 0;
            walk(v, [&](std::uint32_t i) { total += i; });
            return total;
        };
        require(sum() == expected, "a walk over the set bits");
        for (auto _ : state) {
            touch(&v);
            keep(sum());
        }
        state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kWalked.bits);
    });
}

// A walk by contender C's own means.
template <class C>
struct Walk {
    static typename C::Vec build(const std::vector<std::uint64_t>& words) {
        return C::build(words, kWalked.bits);
    }
    template <class F>
    void operator()(const typename C::Vec& v, F f) const {
        C::walk(v, f);
    }
};

struct FindNextWalk : Walk<Ours> {
    template <class F>
    void operator()(const Ours::Vec& v, F f) const {
        for (std::uint32_t i = v.find_first(); i != v.size(); i = v.find_next(i)) f(i);
    }
};

#if ZELMAR_FLAGROW_BENCH_BOOST
using Walkers = Contenders<Ours, Boost, VBool, Raw>;
#else
using Walkers = Contenders<Ours, VBool, Raw>;
#endif

}  // namespace

void registerWalks() {
    for (const Density d : kDensities) {
        const std::string operation = std::string("walk_") + d.name;
        Walkers::each([&]<class C>() { walkRow(operation, C::name, d, Walk<C>{}); });
        walkRow(operation + "_find_next", Ours::name, d, FindNextWalk{});
    }
}

}  // namespace bench
