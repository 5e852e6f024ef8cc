// Random steps over every member and operator of the class, with arguments drawn towards the
// places where word kernels go wrong: word and register boundaries, the last bit, one past it,
// -1, null pointers, a vector combined with itself.
#ifndef ZELMAR_FLAGROW_TESTS_STEP_MAKER_H
#define ZELMAR_FLAGROW_TESTS_STEP_MAKER_H

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "lockstep.h"
#include "reference_model.h"

namespace zf_test {

class StepMaker {
public:
    /// Sizes drawn from word and register edges, or with `around` mostly that size and a few
    /// below it, so that a sequence keeps to vectors of about that length.
    explicit StepMaker(std::uint64_t seed, std::optional<std::uint32_t> around = std::nullopt)
        : rng(seed), focus(around) {}

    /// A step that builds vector k afresh with one of the constructors.
    Step build(std::size_t k);
    /// A random step on the vectors as `model` holds them now.
    Step next(const Vectors<ReferenceVector>& model);

private:
    std::uint32_t below(std::uint64_t n) {
        return n == 0 ? 0 : static_cast<std::uint32_t>(rng() % n);
    }
    bool oneIn(std::uint32_t n) { return below(n) == 0; }
    std::size_t slot() { return below(3); }
    std::uint32_t size();
    std::uint32_t index(std::uint32_t bits);
    std::int32_t fill();
    std::string text(std::uint32_t length);
    std::string pattern();
    Step constructor(std::size_t k, std::uint32_t kind);
    Step sizing(std::size_t k);
    Step bits(std::size_t k, const ReferenceVector& v);
    Step textForm(std::size_t k, const ReferenceVector& v);
    Step wordExport(std::size_t k, const ReferenceVector& v);
    Step wordImport(std::size_t k, const ReferenceVector& v);
    Step combining(std::size_t k, const ReferenceVector& v);
    Step shifting(std::size_t k);
    Step comparing(std::size_t k);
    Step querying(std::size_t k, const ReferenceVector& v);
    Step searching(std::size_t k, const ReferenceVector& v);
    Step ownWordImport(std::size_t k, const Vectors<ReferenceVector>& model);
    Step growing(std::size_t k, const ReferenceVector& v);

    std::mt19937_64 rng;
    std::optional<std::uint32_t> focus;
};

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_STEP_MAKER_H
