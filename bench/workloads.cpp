// Whole programs rather than single calls: the sieve of Eratosthenes, a breadth-first search on a
// visited bitmap, and the counts and intersection tests over all pairs of many small sets. Each
// input is made once, outside the clock, and each contender's answer is checked once before it.
#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

// ---- The sieve: composite numbers up to 5 * 10^7 marked by strided set(i), primes counted ----

constexpr Size kSieved = {50'000'000, "50000000"};
constexpr std::uint64_t kPrimesUpToSieved = 3'001'134;

template <class C>
std::uint64_t primesUpTo(std::uint32_t n) {
    auto composite = C::zeros(n + 1);
    C::setBit(composite, 0);
    C::setBit(composite, 1);
    for (std::uint32_t p = 2; std::uint64_t{p} * p <= n; ++p)
        if (!C::testBit(composite, p))
            for (std::uint32_t m = p * p; m <= n; m += p) C::setBit(composite, m);
    return n + 1 - static_cast<std::uint64_t>(C::count(composite));
}

template <class C>
void sieveRow() {
    addRun("sieve", C::name, kSieved, [](benchmark::State& state) {
        require(primesUpTo<C>(kSieved.bits) == kPrimesUpToSieved, "the sieve");
        for (auto _ : state) keep(primesUpTo<C>(kSieved.bits));
    });
}

// ---- Breadth-first search: 2 * 10^6 nodes of 8 random edges each, test(i) and set(i) --------

constexpr Size kNodes = {2'000'000, "2000000"};
constexpr std::uint32_t kEdges = 8;

// The targets of node u's edges are targets[kEdges * u ...]; `reached` is how many nodes a search
// from node 0 reaches, found once with a plain array of flags.
struct Graph {
    std::vector<std::uint32_t> targets;
    std::uint32_t reached = 0;
};

const Graph& graph() {
    static const Graph made = [] {
        Graph g;
        std::mt19937 random(static_cast<std::uint32_t>(kSeedA));
        std::uniform_int_distribution<std::uint32_t> node(0, kNodes.bits - 1);
        g.targets.resize(std::size_t{kNodes.bits} * kEdges);
        for (auto& t : g.targets) t = node(random);
        std::vector<char> seen(kNodes.bits, 0);
        std::vector<std::uint32_t> queue{0};
        seen[0] = 1;
        for (std::size_t head = 0; head < queue.size(); ++head)
            for (std::uint32_t k = 0; k < kEdges; ++k) {
                const std::uint32_t v = g.targets[std::size_t{queue[head]} * kEdges + k];
                if (seen[v] == 0) {
                    seen[v] = 1;
                    queue.push_back(v);
                }
            }
        g.reached = static_cast<std::uint32_t>(queue.size());
        return g;
    }();
    return made;
}

// The nodes reached from node 0; `queue` holds a slot for every node.
template <class C>
std::uint32_t reachedFromZero(const Graph& g, std::vector<std::uint32_t>& queue) {
    auto visited = C::zeros(kNodes.bits);
    std::uint32_t tail = 0;
    queue[tail++] = 0;
    C::setBit(visited, 0);
    for (std::uint32_t head = 0; head < tail; ++head)
        for (std::uint32_t k = 0; k < kEdges; ++k) {
            const std::uint32_t v = g.targets[std::size_t{queue[head]} * kEdges + k];
            if (!C::testBit(visited, v)) {
                C::setBit(visited, v);
                queue[tail++] = v;
            }
        }
    return tail;
}

template <class C>
void searchRow() {
    addRun("bfs", C::name, kNodes, [](benchmark::State& state) {
        const Graph& g = graph();
        std::vector<std::uint32_t> queue(kNodes.bits);
        require(reachedFromZero<C>(g, queue) == g.reached, "the breadth-first search");
        for (auto _ : state) keep(reachedFromZero<C>(g, queue));
    });
}

// ---- All pairs of 2000 random sets of 200 bits: (a & b).count() and a.intersects(b) -------------

constexpr Size kSetBits = {200, "200"};
constexpr std::uint32_t kSets = 2000;

std::vector<std::vector<std::uint64_t>> setWords() {
    std::vector<std::vector<std::uint64_t>> words;
    for (std::uint32_t k = 0; k < kSets; ++k) words.push_back(randomWords(kSetBits.bits, k + 1));
    return words;
}

// What the pairs come to, from the words themselves: the sum of the counts, and how many meet.
struct PairTotals {
    std::uint64_t common = 0;
    std::uint64_t meeting = 0;
};

PairTotals pairTotals() {
    const auto words = setWords();
    const std::uint64_t lastMask = (std::uint64_t{1} << (kSetBits.bits % 64)) - 1;
    PairTotals totals;
    for (std::uint32_t a = 0; a < kSets; ++a)
        for (std::uint32_t b = a + 1; b < kSets; ++b) {
            std::uint64_t common = 0;
            for (std::size_t w = 0; w < words[a].size(); ++w) {
                const std::uint64_t mask = w + 1 == words[a].size() ? lastMask : ~std::uint64_t{0};
                common +=
                    static_cast<std::uint64_t>(std::popcount(words[a][w] & words[b][w] & mask));
            }
            totals.common += common;
            totals.meeting += common != 0;
        }
    return totals;
}

template <class C, class Question>
void pairsRow(const char* operation, const char* contender, std::uint64_t expected,
              Question question) {
    addRun(operation, contender, kSetBits, [=](benchmark::State& state) {
        std::vector<typename C::Vec> sets;
        for (const auto& w : setWords()) sets.push_back(C::build(w, kSetBits.bits));
        const auto allPairs = [&] {
            std::uint64_t total = 0;
            for (std::uint32_t a = 0; a < kSets; ++a)
                for (std::uint32_t b = a + 1; b < kSets; ++b)
                    total += static_cast<std::uint64_t>(question(sets[a], sets[b]));
            return total;
        };
        require(allPairs() == expected, operation);
        for (auto _ : state) {
            touch(sets.data());
            keep(allPairs());
        }
    });
}

template <class C>
void pairRows(const PairTotals& totals) {
    pairsRow<C>("pairs_count", C::name, totals.common,
                [](const auto& a, const auto& b) { return C::countAnd(a, b); });
    pairsRow<C>("pairs_intersects", C::name, totals.meeting,
                [](const auto& a, const auto& b) { return C::intersects(a, b); });
}

#if ZELMAR_FLAGROW_BENCH_BOOST
using Sieving = Contenders<Ours, Boost, VBool>;
using Visiting = Contenders<Ours, Boost, VBool, Raw>;
using Pairing = Contenders<Ours, Boost, StdBitset<kSetBits.bits>>;
#else
using Sieving = Contenders<Ours, VBool>;
using Visiting = Contenders<Ours, VBool, Raw>;
using Pairing = Contenders<Ours, StdBitset<kSetBits.bits>>;
#endif

}  // namespace

void registerWorkloads() {
    Sieving::each([]<class C>() { sieveRow<C>(); });
    Visiting::each([]<class C>() { searchRow<C>(); });
    const PairTotals totals = pairTotals();
    Pairing::each([&]<class C>() { pairRows<C>(totals); });
    // Ours through the value form, as before the counts without a temporary.
    pairsRow<Ours>("pairs_count_value", Ours::name, totals.common,
                   [](const Ours::Vec& a, const Ours::Vec& b) { return (a & b).count(); });
    registerPushBack({1'000'000, "1000000"});
}

}  // namespace bench
