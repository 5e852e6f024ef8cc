// Runs the same operations on three vectors of the class and three of the reference model, and
// after every step compares what each returned, which error it threw, and all six vectors.
#ifndef ZELMAR_FLAGROW_TESTS_LOCKSTEP_H
#define ZELMAR_FLAGROW_TESTS_LOCKSTEP_H

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "compare.h"
#include "concat.h"
#include "raised.h"
#include "reference_model.h"

namespace zf_test {

/// What a step gave back: its results and every byte or word of the buffers it was handed.
using Observation = std::vector<std::uint64_t>;

/// The vectors a step works on, v0 to v2.
template <class V>
using Vectors = std::array<V, 3>;

/// One operation, written once as a generic lambda and done alike on both kinds of vector.
struct Step {
    /// How the step reads in a failure report, e.g. "v1.vkl(3, 4294967295)".
    std::string text;
    std::function<Observation(Vectors<Quandrelissa::ZELMAR_FLAGROW>&)> onClass;
    std::function<Observation(Vectors<ReferenceVector>&)> onModel;
    /// The vector whose bits the step leaves unspecified (uninitialised sizing), or -1.
    int unspecified = -1;
};

template <class Action>
Step makeStep(std::string text, Action action, int unspecified = -1) {
    return {std::move(text), action, action, unspecified};
}

/// The results of a call, as an observation.
template <class... T>
Observation observe(T... values) {
    return {static_cast<std::uint64_t>(values)...};
}

/// Appends the words or bytes of `buffer` to `o`.
template <class Buffer>
void observeBuffer(Observation& o, const Buffer& buffer) {
    for (auto x : buffer) o.push_back(static_cast<std::uint64_t>(x));
}

class Lockstep {
public:
    /// Applies `step` to both kinds; on any disagreement reports a test failure listing the
    /// steps that led there, and returns false.
    bool apply(const Step& step) {
        trail.push_back(step.text);
        const auto got = run(step.onClass, actual);
        const auto want = run(step.onModel, expected);
        if (step.unspecified >= 0) {
            const auto u = static_cast<std::size_t>(step.unspecified);
            if (actual[u].razmerUL() == expected[u].razmerUL())
                expected[u].adoptStorage(actual[u].data());
        }
        std::string why;
        if (got.second != want.second) {
            why = concat("error code ", std::to_string(got.second), ", expected ",
                         std::to_string(want.second));
        } else if (got.first != want.first) {
            why = concat("results ", show(got.first), ", expected ", show(want.first));
        }
        for (std::size_t k = 0; k < actual.size() && why.empty(); ++k) {
            const std::string d = difference(actual[k], expected[k]);
            if (!d.empty()) why = concat("v", std::to_string(k), ": ", d);
        }
        if (why.empty()) return true;
        ADD_FAILURE() << why << "\nlast steps:" << recentSteps();
        return false;
    }

    Vectors<Quandrelissa::ZELMAR_FLAGROW> actual;
    Vectors<ReferenceVector> expected;

private:
    template <class V>
    static std::pair<Observation, std::int32_t> run(
        const std::function<Observation(Vectors<V>&)>& action, Vectors<V>& vectors) {
        Observation seen;
        const std::int32_t code = codeOf([&] { seen = action(vectors); });
        return {std::move(seen), code};
    }

    static std::string show(const Observation& o) {
        std::string s = "{";
        for (std::size_t k = 0; k < o.size() && k < 40; ++k)
            s = concat(s, " ", std::to_string(o[k]));
        return concat(s, o.size() > 40 ? " ... }" : " }");
    }

    std::string recentSteps() const {
        std::string s;
        const std::size_t first = trail.size() > 16 ? trail.size() - 16 : 0;
        for (std::size_t k = first; k < trail.size(); ++k)
            s = concat(s, "\n  ", std::to_string(k), ": ", trail[k]);
        return s;
    }

    std::vector<std::string> trail;
};

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_LOCKSTEP_H
