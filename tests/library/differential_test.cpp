// Random operation sequences on three vectors, the class against the reference model, once per
// kernel family. Every sequence has a fixed seed, printed with any failure so that it reproduces.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "kernel_family.h"
#include "lockstep.h"
#include "step_maker.h"

namespace zf_test {
namespace {

constexpr std::uint64_t kSequences = 1500;
constexpr int kStepsPerSequence = 120;
constexpr std::uint64_t kSequencesPerShortSize = 10;
// Enough failing seeds to see a pattern without drowning the report.
constexpr int kFailuresShown = 3;

// Returns false after kFailuresShown failing sequences.
bool runSequences(std::uint64_t sequences, std::optional<std::uint32_t> focus) {
    int failures = 0;
    for (std::uint64_t seed = 1; seed <= sequences && failures < kFailuresShown; ++seed) {
        SCOPED_TRACE(concat("seed ", std::to_string(seed)));
        Lockstep lockstep;
        StepMaker maker(seed, focus);
        bool agree = true;
        for (std::size_t k = 0; k < 3 && agree; ++k) agree = lockstep.apply(maker.build(k));
        for (int s = 0; s < kStepsPerSequence && agree; ++s)
            agree = lockstep.apply(maker.next(lockstep.expected));
        if (!agree) ++failures;
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

INSTANTIATE_TEST_SUITE_P(Kernels, RandomSequences, kernelFamilies(), familyName);

}  // namespace
}  // namespace zf_test
