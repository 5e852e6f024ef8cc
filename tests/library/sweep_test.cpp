// Exhaustive sweeps under every kernel family: every pair of range ends around word and register
// boundaries, and a lone set bit at every position of a vector several registers long.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "concat.h"
#include "kernel_family.h"
#include "lockstep.h"

namespace zf_test {
namespace {

constexpr std::uint32_t kToEnd = ReferenceVector::kToEnd;

std::vector<std::uint32_t> ends(std::uint32_t n) {
    std::vector<std::uint32_t> points = {0, 1, n / 2, n - 1, n, n + 1, kToEnd};
    for (std::uint32_t b = 32; b < n + 32; b += b < 512 ? 32 : 256) {
        points.push_back(b - 1);
        points.push_back(b);
    }
    return points;
}

class Sweeps : public EachKernelFamily {};

TEST_P(Sweeps, EveryRangedMemberAgreesWithTheModel) {
    for (const std::uint32_t n : {1u, 31u, 32u, 33u, 64u, 97u, 256u, 257u, 513u, 1100u}) {
        SCOPED_TRACE(concat("size ", std::to_string(n)));
        Lockstep lockstep;
        // v1 keeps the starting bits, every storage bit past them set.
        lockstep.actual[1] = Quandrelissa::ZELMAR_FLAGROW(n, 1);
        lockstep.expected[1] = ReferenceVector(n, 1);
        for (std::uint32_t p = 0; p < n; p += 3) {
            lockstep.actual[1].otkl(p);
            lockstep.expected[1].otkl(p);
        }
        constexpr Kind kRanged[] = {Kind::rangeSet, Kind::rangeClear, Kind::rangeFlip,
                                    Kind::rangeTest};
        for (const std::uint32_t i : ends(n)) {
            for (const std::uint32_t j : ends(n)) {
                for (const Kind kind : kRanged) {
                    for (const Step& step : {Step{.kind = Kind::assign, .target = 0, .source = 1},
                                             Step{.kind = kind, .i = i, .j = j}}) {
                        const std::string why = lockstep.apply(step);
                        if (!why.empty()) FAIL() << why;
                    }
                }
            }
        }
    }
}

// The wide kernels test several registers per branch; a bit in any one of them must count.
TEST_P(Sweeps, EveryLoneSetBitIsSeen) {
    constexpr std::uint32_t kBits = 4097;
    const Quandrelissa::ZELMAR_FLAGROW zeros(kBits);
    Quandrelissa::ZELMAR_FLAGROW v(kBits);
    for (std::uint32_t p = 0; p < kBits; ++p) {
        v.vkl(p);
        ASSERT_TRUE(v.test()) << p;
        ASSERT_EQ(v.schet(), 1u) << p;
        ASSERT_EQ(v.find_first(), p);
        ASSERT_FALSE(v.all()) << p;
        ASSERT_TRUE(v != zeros) << p;
        ASSERT_TRUE(v.test(p / 2, kToEnd)) << p;
        v.otkl(p);
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, Sweeps, kernelFamilies(), familyName);

}  // namespace
}  // namespace zf_test
