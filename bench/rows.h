// What every row shares: the sizes, the row names, the inputs and the registration helpers.
// A row is named operation/contender/size, so that a script can pair the contenders.
#ifndef ZELMAR_FLAGROW_BENCH_ROWS_H
#define ZELMAR_FLAGROW_BENCH_ROWS_H

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "barrier.h"
#include "heap.h"

namespace bench {

/// One size of the rows, and how their names spell it.
struct Size {
    std::uint32_t bits;
    /// The bits themselves below 2^14; from there on, where every size is a power of two, their
    /// log2.
    const char* label;
};

/// Smallest first: short vectors, where the fixed cost of a call dominates, two of them no
/// multiple of a word; then one in the first-level cache, one in the second, one far beyond the
/// last.
inline constexpr Size kSizes[] = {{64, "64"},       {100, "100"},     {128, "128"},
                                  {256, "256"},     {1000, "1000"},   {1024, "1024"},
                                  {1u << 14, "14"}, {1u << 20, "20"}, {1u << 30, "30"}};
/// The first this many sizes are those std::bitset is compiled for.
inline constexpr std::size_t kFixedSizes = 7;
inline constexpr Size kLargest = kSizes[std::size(kSizes) - 1];

/// The range rows work on [kFrom, n - 7], misaligned at both ends on purpose.
inline constexpr std::uint32_t kFrom = 5;
inline std::uint32_t rangeTo(std::uint32_t n) { return n - 7; }
inline std::uint32_t rangeBits(std::uint32_t n) { return rangeTo(n) - kFrom + 1; }

/// Seeds of the two random operands, the same for every contender.
inline constexpr std::uint64_t kSeedA = 1;
inline constexpr std::uint64_t kSeedB = 2;

/// `bits` random bits in 64-bit words, bit i at position i % 64 of word i / 64.
std::vector<std::uint64_t> randomWords(std::size_t bits, std::uint64_t seed);
/// The number of set bits in the random vector kSeedA of `bits` bits.
std::uint64_t setBits(std::uint32_t bits);
/// `chars` random '0' and '1' characters.
std::string randomText(std::size_t chars, std::uint64_t seed);
/// `count` random bit numbers below `bits`.
std::vector<std::uint32_t> randomIndexes(std::size_t count, std::uint32_t bits);

/// Stops the program, saying that a contender did not do the work `what` asked for.
[[noreturn]] void failed(const char* what);

/// Stops the program when a contender did not do the work a row asked for. Inline, so that a
/// contender that checks each call it times pays for a compare and not for a call.
inline void require(bool done, const char* what) {
    if (!done) [[unlikely]]
        failed(what);
}

/// A setup that checks once, before the clock, that `question` gives `expected` (a value, or a
/// callable that works it out only then), so that no contender is timed doing less than others.
template <class Setup, class Question, class Expected>
auto answering(Setup setup, Question question, Expected expected) {
    return [=] {
        auto fixture = setup();
        const auto answer = [&] {
            if constexpr (std::is_invocable_v<Expected>) {
                return expected();
            } else {
                return expected;
            }
        }();
        require(static_cast<decltype(answer)>(question(fixture)) == answer, "an answer");
        return fixture;
    };
}

/// Registers `run` as the row operation/contender/size. Rows of the largest size run for at least
/// kLargeMinTime seconds whatever the command line says (the harness then appends
/// /min_time:0.300 to their names): their first calls meet pages the system has not handed out
/// yet, and the harness drops those calls only when it has to run more of them.
benchmark::internal::Benchmark* addRun(const std::string& operation, const char* contender,
                                       Size size, std::function<void(benchmark::State&)> run);
inline constexpr double kLargeMinTime = 0.3;

/// At the largest size, makes the system gather large pages before the clock starts: the first
/// array that asks for them otherwise pays for the gathering, several times its own copy time.
void settlePages(Size size);

/// The random words of randomWords(bits, seed) as an array of `Word`.
template <class Word>
std::vector<Word> randomBuffer(std::size_t bits, std::uint64_t seed) {
    const std::vector<std::uint64_t> words = randomWords(bits, seed);
    std::vector<Word> buffer(words.size() * sizeof(std::uint64_t) / sizeof(Word));
    std::memcpy(buffer.data(), words.data(), words.size() * sizeof(std::uint64_t));
    return buffer;
}

/// The random vector `seed` of `bits` bits, as contender C holds it.
template <class C>
typename C::Vec randomVec(std::uint32_t bits, std::uint64_t seed) {
    if constexpr (requires { C::kSlowToBuild; }) {
        static std::map<std::pair<std::uint32_t, std::uint64_t>, typename C::Vec> built;
        const auto [at, fresh] = built.try_emplace({bits, seed});
        if (fresh) at->second = C::build(randomWords(bits, seed), bits);
        return at->second;
    } else {
        return C::build(randomWords(bits, seed), bits);
    }
}

/// A row setup that makes the random vector kSeedA of `bits` bits.
template <class C>
auto randomSetup(std::uint32_t bits) {
    return [bits] { return randomVec<C>(bits, kSeedA); };
}

/// The body of a row that asks `question` of its fixture.
template <class F>
auto asking(F question) {
    return [question](auto& fixture) {
        touch(&fixture);
        keep(question(fixture));
    };
}

/// The body of a row that changes its fixture with `change`.
template <class F>
auto changing(F change) {
    return [change](auto& fixture) {
        change(fixture);
        touch(&fixture);
    };
}

/// The most heap an operation held at once beyond what was live before it, in arrays of
/// `arrayBytes` bytes: 0 when it freed the old array before taking the new one.
class PeakWatch {
public:
    explicit PeakWatch(double arrayBytes) : arrayBytes_(arrayBytes) {}

    template <class F>
    void around(F&& operation) {
        heap::startWatch();
        operation();
        worst_ = std::max(worst_, static_cast<double>(heap::stopWatch()) / arrayBytes_);
    }
    void report(benchmark::State& state) const { state.counters["extra_arrays"] = worst_; }

private:
    double arrayBytes_;
    double worst_ = 0;
};

/// Byte throughput of the row, and the counters of a fixture that has a report(state) member.
template <class Fixture>
void finish(benchmark::State& state, double bytesPerIteration, const Fixture& fixture) {
    state.SetBytesProcessed(
        static_cast<std::int64_t>(bytesPerIteration * static_cast<double>(state.iterations())));
    if constexpr (requires { fixture.report(state); }) fixture.report(state);
}

/// A row whose fixture, made by `setup` outside the clock, `body` works on once an iteration.
template <class Setup, class Body>
void addRow(const std::string& operation, const char* contender, Size size, double bytes,
            Setup setup, Body body) {
    addRun(operation, contender, size, [=](benchmark::State& state) {
        auto fixture = setup();
        settlePages(size);
        for (auto _ : state) body(fixture);
        finish(state, bytes, fixture);
    });
}

/// What a growth row works on: a fresh copy of `pristine` for every call, since a copy holds
/// no spare capacity, the other operand, and the arrays the calls held at once.
template <class Vec, class Operand>
struct Growing {
    Vec pristine;
    Operand operand;
    std::vector<Vec> fresh;
    PeakWatch watch;
    void report(benchmark::State& state) const { watch.report(state); }
};

/// A row for `grow(vector, operand)`, which leaves the vector `resultBits` long. Fresh copies are
/// made with the clock stopped, a batch at a time so that stopping it stays cheap.
template <class MakeVec, class MakeOperand, class Grow>
void addGrowthRow(const std::string& operation, const char* contender, Size size,
                  std::size_t resultBits, MakeVec makeVec, MakeOperand makeOperand, Grow grow) {
    using Fixture = Growing<decltype(makeVec()), decltype(makeOperand())>;
    const std::size_t batch = std::max<std::size_t>(1, (std::size_t{1} << 22) / resultBits);
    const double bytes = static_cast<double>(resultBits) / 8;
    addRun(operation, contender, size, [=](benchmark::State& state) {
        auto pristine = makeVec();
        Fixture f{pristine, makeOperand(), std::vector(batch, pristine), PeakWatch(bytes)};
        settlePages(size);
        while (state.KeepRunningBatch(static_cast<benchmark::IterationCount>(batch))) {
            state.PauseTiming();
            for (auto& v : f.fresh) v = decltype(pristine)(f.pristine);
            state.ResumeTiming();
            for (auto& v : f.fresh) {
                f.watch.around([&] { grow(v, f.operand); });
                touch(&v);
            }
        }
        finish(state, bytes, f);
    });
}

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_ROWS_H
