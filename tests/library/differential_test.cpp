// Random operation sequences on three vectors, the class against the reference model, once per
// kernel family: the fuzzer's engine, fed seeded random bytes. Every sequence has a fixed seed,
// printed with any failure so that it reproduces.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "concat.h"
#include "kernel_family.h"
#include "lockstep.h"
#include "step.h"

namespace zf_test {
namespace {

constexpr std::uint64_t kSequences = 1500;
// Enough for every step of a run to draw its arguments: a text or a word buffer takes a few
// hundred bytes.
constexpr std::size_t kBytesPerSequence = 16384;
constexpr std::uint64_t kSequencesPerShortSize = 10;
// Enough failing seeds to see a pattern without drowning the report.
constexpr int kFailuresShown = 3;

std::vector<std::uint8_t> randomBytes(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::vector<std::uint8_t> bytes(kBytesPerSequence);
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(rng());
    return bytes;
}

// Returns false after kFailuresShown failing sequences.
bool runSequences(std::uint64_t sequences, std::optional<std::uint32_t> focus) {
    const LockstepOptions options{.familiesFromInput = false, .focus = focus};
    int failures = 0;
    for (std::uint64_t seed = 1; seed <= sequences && failures < kFailuresShown; ++seed) {
        const std::string why = runLockstep(randomBytes(seed), options);
        if (why.empty()) continue;
        ADD_FAILURE() << "seed " << seed << ": " << why;
        ++failures;
    }
    return failures < kFailuresShown;
}

class RandomSequences : public EachKernelFamily {};

TEST_P(RandomSequences, AgreeWithTheModelAfterEveryStep) { runSequences(kSequences, {}); }

// The header does short vectors in inline loops of its own: every size they take, so that each
// length of the last word meets every member, shift and range.
TEST_P(RandomSequences, AgreeAtEveryShortSize) {
    constexpr std::uint32_t kLongestShort = 130;
    for (std::uint32_t n = 0; n <= kLongestShort; ++n) {
        SCOPED_TRACE(concat("size ", std::to_string(n)));
        if (!runSequences(kSequencesPerShortSize, n)) return;
    }
}

// Where the inline loops hand over to the kernels, the same: each threshold and its neighbours.
TEST_P(RandomSequences, AgreeAtEveryThresholdOfTheInlineLoops) {
    for (const std::uint32_t n : thresholdSizes()) {
        SCOPED_TRACE(concat("size ", std::to_string(n)));
        if (!runSequences(kSequencesPerShortSize, n)) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, RandomSequences, kernelFamilies(), familyName);

}  // namespace
}  // namespace zf_test
