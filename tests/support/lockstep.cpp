#include "lockstep.h"

#include <deque>
#include <functional>

#include "ZELMAR_FLAGROW.h"
#include "apply.h"
#include "compare.h"
#include "concat.h"
#include "dispatch.h"
#include "reference_model.h"
#include "step.h"

namespace zf_test {
namespace {

using Quandrelissa::ZELMAR_FLAGROW;
using Error = Quandrelissa::_ZELMAR_FLAGROW;

// Steps shown before the one that failed.
constexpr std::size_t kTrail = 16;

// A byte picks the family at its remainder by the number of families, as a stored input did
// when there were three; one the CPU lacks falls back to the widest narrower one.
void useFamilyOf(std::size_t choice) {
    Quandrelissa::detail::useFamily(choice % Quandrelissa::detail::kernelFamilies().size());
}

// Uninitialised sizing, and a pattern fill refused after its re-size, leave bits that no model
// can predict; the model takes them over from the class.
bool leftBitsUnspecified(const Step& s, const Outcome& out) {
    switch (s.kind) {
        case Kind::constructFill:
        case Kind::nadoFill:
            return s.fill == -1 && s.n != 0 && out.code == 0;
        case Kind::nadoPattern:
            return out.code == Error::kNullPointer;
        default:
            return false;
    }
}

bool invariantsHold(const ZELMAR_FLAGROW& v) {
    const std::uint32_t words = ReferenceVector::wordsFor(v.razmer());
    return v.razmerUL() == words && (words == 0 || v.data() != nullptr) &&
           v.est() == (v.razmer() != 0) && v.capacity() >= v.razmer();
}

// Refusals of codes 1, 2 and 4 come before any change, all but the pattern fill's, which comes
// after its re-size. A step that places caller memory in a vector's storage changes it before the
// call; there the model, which refuses before it changes anything, is the check.
bool refusedWithoutChange(const Step& s, const Outcome& out) {
    const bool refused = out.code == Error::kEmpty || out.code == Error::kNullPointer ||
                         out.code == Error::kOutOfRange;
    return refused && !(s.kind == Kind::nadoPattern && out.code == Error::kNullPointer) &&
           !placesCallerMemory(s.kind);
}

std::string shown(const Outcome& o) {
    std::string words;
    for (std::size_t k = 0; k < o.words.size() && k < 12; ++k)
        words = concat(words, " ", std::to_string(o.words[k]));
    return concat("code ", std::to_string(o.code), " value ", std::to_string(o.value), " words {",
                  words, o.words.size() > 12 ? " ... }" : " }", " bytes ",
                  std::to_string(o.bytes.size()), " made ", o.made.substr(0, 300));
}

}  // namespace

std::string Lockstep::run(std::span<const std::uint8_t> bytes) {
    ByteSource in(bytes.data(), bytes.size());
    const std::uint8_t family = in.byte();
    if (options.familiesFromInput) useFamilyOf(family);
    std::string why;
    for (std::size_t n = 0; n < options.maxSteps && !in.empty() && why.empty(); ++n)
        why = apply(readStep(in, expected, options.focus));
    return why;
}

std::string Lockstep::apply(const Step& s) {
    trail.push_back(concat(std::to_string(taken++), ": ", stepText(s)));
    if (trail.size() > kTrail) trail.pop_front();
    if (s.kind == Kind::switchKernels) {
        if (options.familiesFromInput) useFamilyOf(s.n);
        return "";
    }
    const std::string before = describe(actual[s.target]);
    Outcome a = zf_test::apply(s, actual);
    Outcome b = zf_test::apply(s, expected);
    if (leftBitsUnspecified(s, a) && actual[s.target].razmerUL() == expected[s.target].razmerUL()) {
        expected[s.target].adoptStorage(actual[s.target].data());
        a.made.clear();
        b.made.clear();
    }
    if (a.foreignException) return report("an exception other than the class's", a, b);
    if (!(a == b)) return report("answers differ", a, b);
    if (refusedWithoutChange(s, a) && describe(actual[s.target]) != before)
        return report("a refused call changed its vector", a, b);
    if (s.kind == Kind::equal && a.code == 0 && a.value != 0 &&
        std::hash<ZELMAR_FLAGROW>{}(actual[s.target]) !=
            std::hash<ZELMAR_FLAGROW>{}(actual[s.source]))
        return report("equal vectors hash differently", a, b);
    for (std::size_t k = 0; k < kSlots; ++k) {
        const std::string v = concat("v", std::to_string(k));
        if (!invariantsHold(actual[k])) return report(concat(v, ": broken invariant"), a, b);
        const std::string d = difference(actual[k], expected[k]);
        if (!d.empty()) return report(concat(v, ": ", d), a, b);
    }
    return "";
}

std::string Lockstep::report(const std::string& what, const Outcome& a, const Outcome& b) const {
    std::string steps;
    for (const std::string& t : trail) steps = concat(steps, "\n  ", t);
    return concat(what, "\n  class: ", shown(a), "\n  model: ", shown(b),
                  "\nlast steps, the failing one last:", steps);
}

std::string runLockstep(std::span<const std::uint8_t> bytes, const LockstepOptions& options) {
    return Lockstep(options).run(bytes);
}

}  // namespace zf_test
