// The storage bits past the size carry no meaning and are not kept at zero. Here they are
// scribbled with garbage on purpose, and every operation that reads whole words must still
// agree with the model, which reads bit by bit and never looks there.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "kernel_family.h"
#include "lockstep.h"
#include "poison.h"

namespace zf_test {
namespace {

using Quandrelissa::ZELMAR_FLAGROW;

constexpr std::uint32_t kToEnd = ZELMAR_FLAGROW::kToEnd;

// Copies v1 into v0 and poisons the copy's tail anew, whatever the copy did with it.
template <class Vs>
void copyPoisoned(Vs& vs) {
    vs[0] = vs[1];
    poisonTail(vs[0], 0xFFFFFFFFu);
}

std::vector<Step> readers(std::uint32_t n) {
    std::vector<Step> steps;
    const auto add = [&](std::string text, auto action) {
        steps.push_back(makeStep(text, action));
    };
    add("v1 queries", [=](auto& vs) {
        const auto& x = vs[1];
        return observe(x.test(), x.null(), x.schet(), x.all(), x.any(), x.none(), x.count(),
                       x.find_first(), x.find_next(n - 1));
    });
    for (const std::uint32_t i : {n - 1, n / 2, (n - 1) & ~31u})
        add(concat("v1.test(", std::to_string(i), ", -1)"),
            [=](auto& vs) { return observe(vs[1].test(i, kToEnd)); });
    add("v1 == v2, v2 == v1, v1 != v2",
        [](auto& vs) { return observe(vs[1] == vs[2], vs[2] == vs[1], vs[1] != vs[2]); });
    add("v1.expStr(buffer, n + 1)", [=](auto& vs) {
        std::string buffer(n + 1, 'Z');
        Observation o = observe(vs[1].expStr(buffer.data(), n + 1));
        observeBuffer(o, buffer);
        return o;
    });
    for (const std::uint32_t from : {0u, n - 1, n > 40 ? n - 40 : 0u}) {
        add(concat("v1.expUL(buffer, all, ", std::to_string(from), ", -1)"), [=](auto& vs) {
            std::vector<std::uint32_t> buffer(n / 32 + 2);
            Observation o = observe(vs[1].expUL(buffer.data(), n / 32 + 2, from, kToEnd));
            observeBuffer(o, buffer);
            return o;
        });
    }
    add("v0 = v2 op= v1, both ways, for &, |, ^", [](auto& vs) {
        Observation o;
        for (int op = 0; op < 6; ++op) {
            vs[0] = op < 3 ? vs[2] : vs[1];
            poisonTail(vs[0], 0x5A5A5A5Au);
            const auto& r = op < 3 ? vs[1] : vs[2];
            if (op % 3 == 0) vs[0] &= r;
            if (op % 3 == 1) vs[0] |= r;
            if (op % 3 == 2) vs[0] ^= r;
            o.push_back(vs[0].count());
        }
        return o;
    });
    add("v0 = v1 op v2, v2 op v1 for &, |, ^, then ~", [](auto& vs) {
        Observation o;
        const auto keep = [&](const auto& result) { o.push_back(result.count()); };
        keep(vs[1] & vs[2]);
        keep(vs[2] & vs[1]);
        keep(vs[1] | vs[2]);
        keep(vs[2] | vs[1]);
        keep(vs[1] ^ vs[2]);
        keep(vs[2] ^ vs[1]);
        vs[0] = ~vs[1];
        return o;
    });
    for (const std::uint32_t s : {1u, 7u, 31u, 32u, 33u}) {
        add(concat("v0 = v1; v0 <<= ", std::to_string(s)), [=](auto& vs) {
            copyPoisoned(vs);
            vs[0] <<= s;
            return Observation{};
        });
        add("v0 = v1; v0 >>= s; v0 <<= s", [=](auto& vs) {
            copyPoisoned(vs);
            vs[0] >>= s;
            poisonTail(vs[0], 0xFFFFFFFFu);
            vs[0] <<= s;
            return Observation{};
        });
    }
    for (const std::int32_t fill : {0, 1}) {
        add(concat("v0 = v1; v0.plus(40, ", std::to_string(fill), ")"), [=](auto& vs) {
            copyPoisoned(vs);
            vs[0].plus(40, fill);
            return Observation{};
        });
    }
    add("v0 = v2; v0 += v1", [](auto& vs) {
        vs[0] = vs[2];
        poisonTail(vs[0], 0xFFFFFFFFu);
        vs[0] += vs[1];
        return Observation{};
    });
    add("v0 = v1; v0 += v0", [](auto& vs) {
        copyPoisoned(vs);
        vs[0] += vs[0];
        return Observation{};
    });
    add("v0 = v1; v0.impUL(n + 20, n + 20, {1}, 1)", [=](auto& vs) {
        copyPoisoned(vs);
        const std::uint32_t one = 1;
        return observe(vs[0].impUL(n + 20, n + 20, &one, 1));
    });
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
                for (const Step& step : readers(n))
                    if (!lockstep.apply(step)) return;
                if (partner == n) {
                    EXPECT_EQ(std::hash<ZELMAR_FLAGROW>{}(lockstep.actual[1]),
                              std::hash<ZELMAR_FLAGROW>{}(lockstep.actual[2]));
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, PoisonedTails, kernelFamilies(), familyName);

}  // namespace
}  // namespace zf_test
