// The storage bits past the size carry no meaning and are not kept at zero. Here they are
// scribbled with garbage on purpose, and every operation that reads whole words must still
// agree with the model, which reads bit by bit and never looks there.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "concat.h"
#include "kernel_family.h"
#include "lockstep.h"
#include "poison.h"

namespace zf_test {
namespace {

using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;

// The steps that copy v1 into v0 and poison the copy's tail anew, whatever the copy did with it.
std::vector<Step> copyPoisoned(std::size_t from = 1, std::uint32_t garbage = 0xFFFFFFFFu) {
    return {Step{.kind = Kind::assign, .target = 0, .source = from},
            Step{.kind = Kind::poisonSpareBits, .words = {garbage}}};
}

// Every member that reads whole words, on v1 and v2 with poisoned tails, n the size of v1.
std::vector<Step> readers(std::uint32_t n) {
    std::vector<Step> steps;
    const auto add = [&](std::vector<Step> more) {
        steps.insert(steps.end(), more.begin(), more.end());
    };
    for (const Kind kind : {Kind::anyBit, Kind::noBit, Kind::countBits, Kind::bitsetQueries,
                            Kind::toString, Kind::searchBits})
        add({Step{.kind = kind, .target = 1}});
    add({Step{.kind = Kind::findBits, .target = 1, .i = n - 1}});
    for (const std::uint32_t i : {n - 1, n / 2, (n - 1) & ~31u})
        add({Step{.kind = Kind::rangeTest, .target = 1, .i = i, .j = kToEnd}});
    add({Step{.kind = Kind::equal, .target = 1, .source = 2},
         Step{.kind = Kind::equal, .target = 2, .source = 1},
         Step{.kind = Kind::notEqual, .target = 1, .source = 2},
         Step{.kind = Kind::exportText, .target = 1, .count = n + 1}});
    for (const std::uint32_t from : {0u, n - 1, n > 40 ? n - 40 : 0u}) {
        const std::vector<std::uint32_t> buffer(n / 32 + 2, 0xDEADBEEFu);
        add({Step{.kind = Kind::exportWords,
                  .target = 1,
                  .i = from,
                  .j = kToEnd,
                  .count = n / 32 + 2,
                  .words = buffer}});
    }
    // Both operands poisoned, either one on the left.
    for (const Kind kind : {Kind::andAssign, Kind::orAssign, Kind::xorAssign, Kind::andOp,
                            Kind::orOp, Kind::xorOp, Kind::differenceAssign}) {
        for (const std::size_t left : {std::size_t{1}, std::size_t{2}}) {
            add(copyPoisoned(left, 0x5A5A5A5Au));
            add({Step{.kind = kind, .source = 3 - left}});
        }
    }
    add({Step{.kind = Kind::complement, .source = 1},
         Step{.kind = Kind::subsetTests, .target = 1, .source = 2},
         Step{.kind = Kind::subsetTests, .target = 2, .source = 1}});
    for (const std::uint32_t s : {1u, 7u, 31u, 32u, 33u}) {
        add(copyPoisoned());
        add({Step{.kind = Kind::shiftDownAssign, .n = s}});
        add(copyPoisoned());
        add({Step{.kind = Kind::shiftUpAssign, .n = s},
             Step{.kind = Kind::poisonSpareBits, .words = {0xFFFFFFFFu}},
             Step{.kind = Kind::shiftDownAssign, .n = s}});
    }
    for (const std::int32_t fill : {0, 1}) {
        add(copyPoisoned());
        add({Step{.kind = Kind::plus, .n = 40, .fill = fill}});
    }
    add(copyPoisoned(2));
    add({Step{.kind = Kind::concat, .source = 1}});
    add(copyPoisoned());
    add({Step{.kind = Kind::concat}});
    add(copyPoisoned());
    add({Step{.kind = Kind::importWordsRange, .i = n + 20, .j = n + 20, .count = 1, .words = {1}}});
    return steps;
}

std::string randomText(std::mt19937& rng, std::uint32_t n, int kind) {
    std::string s(n, kind == 1 ? '1' : '0');
    if (kind == 2)
        for (char& c : s) c = rng() % 2 != 0 ? '1' : '0';
    return s;
}

std::vector<std::uint32_t> tailSizes() {
    std::vector<std::uint32_t> sizes;
    for (std::uint32_t n = 1; n <= 100; ++n) sizes.push_back(n);
    for (const std::uint32_t n :
         {127u, 128u, 129u, 255u, 257u, 300u, 511u, 513u, 777u, 1025u, 2049u, 4097u})
        sizes.push_back(n);
    return sizes;
}

class PoisonedTails : public EachKernelFamily {};

TEST_P(PoisonedTails, NoWholeWordReaderLetsThemThrough) {
    std::mt19937 rng(20261207);
    for (const std::uint32_t n : tailSizes()) {
        for (int kind = 0; kind < 3; ++kind) {
            const std::string bits = randomText(rng, n, kind);
            // A twin with the same bits, a longer and a shorter partner.
            for (const std::uint32_t partner : {n, n + 37, n / 2 + 1}) {
                const std::string other =
                    partner == n ? bits : randomText(rng, partner, static_cast<int>(rng() % 3));
                SCOPED_TRACE(concat("size ", std::to_string(n), ", bits ", bits.substr(0, 40),
                                    ", partner size ", std::to_string(partner)));
                Lockstep lockstep;
                lockstep.actual[1] = ZELMAR_FLAGROW(std::string_view(bits));
                lockstep.expected[1] = ReferenceVector(std::string_view(bits));
                lockstep.actual[2] = ZELMAR_FLAGROW(std::string_view(other));
                lockstep.expected[2] = ReferenceVector(std::string_view(other));
                poisonTail(lockstep.actual[1], 0xFFFFFFFFu);
                poisonTail(lockstep.actual[2], static_cast<std::uint32_t>(rng()));
                // Twins must also hash alike: the engine checks that when they compare equal.
                for (const Step& step : readers(n)) {
                    const std::string why = lockstep.apply(step);
                    if (!why.empty()) FAIL() << why;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, PoisonedTails, kernelFamilies(), familyName);

}  // namespace
}  // namespace zf_test
