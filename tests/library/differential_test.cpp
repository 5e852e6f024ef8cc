// Random operation sequences on three vectors, the class against the reference model, once per
// kernel family. Every sequence has a fixed seed, printed with any failure so that it reproduces.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kernel_family.h"
#include "lockstep.h"
#include "step_maker.h"

namespace zf_test {
namespace {

constexpr std::uint64_t kSequences = 1500;
constexpr int kStepsPerSequence = 120;
// Enough failing seeds to see a pattern without drowning the report.
constexpr int kFailuresShown = 3;

class RandomSequences : public EachKernelFamily {};

TEST_P(RandomSequences, AgreeWithTheModelAfterEveryStep) {
    int failures = 0;
    for (std::uint64_t seed = 1; seed <= kSequences && failures < kFailuresShown; ++seed) {
        SCOPED_TRACE(concat("seed ", std::to_string(seed)));
        Lockstep lockstep;
        StepMaker maker(seed);
        bool agree = true;
        for (std::size_t k = 0; k < 3 && agree; ++k) agree = lockstep.apply(maker.build(k));
        for (int s = 0; s < kStepsPerSequence && agree; ++s)
            agree = lockstep.apply(maker.next(lockstep.expected));
        if (!agree) ++failures;
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, RandomSequences, kernelFamilies(), familyName);

}  // namespace
}  // namespace zf_test
