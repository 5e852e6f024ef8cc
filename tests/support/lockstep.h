// The differential engine: three vectors of the class and three of the reference model driven
// through the same steps, read from bytes (a fuzzer's input, or seeded random ones in a test),
// until the first answer, bit or promise that differs.
#ifndef ZELMAR_FLAGROW_TESTS_LOCKSTEP_H
#define ZELMAR_FLAGROW_TESTS_LOCKSTEP_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "reference_model.h"
#include "step.h"

namespace zf_test {

struct LockstepOptions {
    /// Steps run at most; an input that runs out sooner ends the run there.
    std::size_t maxSteps = 200;
    /// Whether the first byte and the kernel-switching steps choose the kernel family; when not,
    /// the family in use stays and those bytes are read and ignored.
    bool familiesFromInput = true;
    /// Sizes mostly this one, as readStep() takes it.
    std::optional<std::uint32_t> focus;
};

struct Outcome;

class Lockstep {
public:
    explicit Lockstep(const LockstepOptions& chosen = {}) : options(chosen) {}

    /// Runs `s` on both kinds of vector. Afterwards the answers (code, value, buffers, new
    /// vectors), all six vectors and the class's invariants must agree; a refused call must have
    /// left its vector as it was and equal vectors must hash alike. "" when all held, else what
    /// failed, with the steps that led there.
    std::string apply(const Step& s);
    /// Applies the steps `bytes` spell until one fails or the options' limit; "" or what failed.
    std::string run(std::span<const std::uint8_t> bytes);

    /// The class's vectors and the model's, v0 to v2; a test may set them up directly.
    Slots<Quandrelissa::ZELMAR_FLAGROW> actual;
    Slots<ReferenceVector> expected;

private:
    std::string report(const std::string& what, const Outcome& a, const Outcome& b) const;

    LockstepOptions options;
    std::deque<std::string> trail;
    std::size_t taken = 0;
};

/// Lockstep(options).run(bytes).
std::string runLockstep(std::span<const std::uint8_t> bytes, const LockstepOptions& options);

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_LOCKSTEP_H
