// Drives three vectors of the library and three of the plain reference model
// through the same operations and stops at the first answer or bit that differs.
#include <ZELMAR_FLAGROW.h>

#include <compare.h>
#include <reference_model.h>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "apply.h"
#include "byte_source.h"
#include "dispatch.h"
#include "step.h"

namespace {

using Quandrelissa::ZELMAR_FLAGROW;
using zf_fuzz::Kind;
using zf_fuzz::Outcome;
using zf_fuzz::Step;
using Reference = zf_test::ReferenceVector;

constexpr std::size_t kMaxSteps = 200;

[[noreturn]] void fail(const char* what, std::size_t stepNo, const Step& s, const Outcome& lib,
                       const Outcome& ref) {
    std::fprintf(stderr,
                 "%s at step %zu: kind %d target %zu source %zu n %u i %u j %u fill %d null %d "
                 "start %u count %u words %zu\n"
                 "  library: code %d value %llu made %.300s\n"
                 "  model:   code %d value %llu made %.300s\n",
                 what, stepNo, static_cast<int>(s.kind), s.target, s.source, s.n, s.i, s.j, s.fill,
                 static_cast<int>(s.null), s.start, s.count, s.words.size(), lib.code,
                 static_cast<unsigned long long>(lib.value), lib.made.c_str(), ref.code,
                 static_cast<unsigned long long>(ref.value), ref.made.c_str());
    std::abort();
}

// Uninitialised sizing, and a pattern fill refused after its re-size, leave
// bits that no model can predict; the model takes them over from the library.
bool leftBitsUnspecified(const Step& s, const Outcome& out) {
    switch (s.kind) {
        case Kind::constructFill:
        case Kind::nadoFill:
            return s.fill == -1 && s.n != 0 && out.code == 0;
        case Kind::nadoPattern:
            return out.code == 2;
        default:
            return false;
    }
}

// A byte picks the family at its remainder by the number of families, as a stored input did
// when there were three; one the CPU lacks falls back to the widest narrower one.
void useFamilyOf(std::size_t choice) {
    Quandrelissa::detail::useFamily(choice % Quandrelissa::detail::kernelFamilies().size());
}

bool invariantsHold(const ZELMAR_FLAGROW& v) {
    const std::uint32_t words = v.razmer() / 32 + (v.razmer() % 32 != 0 ? 1 : 0);
    return v.razmerUL() == words && (words == 0 || v.data() != nullptr) &&
           v.est() == (v.razmer() != 0) && v.capacity() >= v.razmer();
}

bool refusedWithoutChange(const Step& s, const Outcome& out) {
    const bool refused = out.code == 1 || out.code == 2 || out.code == 4;
    return refused && !(s.kind == Kind::nadoPattern && out.code == 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zf_fuzz::ByteSource in(data, size);
    useFamilyOf(in.byte());
    std::array<ZELMAR_FLAGROW, zf_fuzz::kSlots> lib;
    std::array<Reference, zf_fuzz::kSlots> ref;

    for (std::size_t n = 0; n < kMaxSteps && !in.empty(); ++n) {
        const Step s = zf_fuzz::readStep(in, {lib[0].razmer(), lib[1].razmer(), lib[2].razmer()});
        if (s.kind == Kind::switchKernels) {
            useFamilyOf(s.n);
            continue;
        }
        const std::string before = zf_fuzz::describe(lib[s.target]);
        Outcome a = zf_fuzz::apply(s, lib);
        Outcome b = zf_fuzz::apply(s, ref);
        if (leftBitsUnspecified(s, a)) {
            ref[s.target].adoptStorage(lib[s.target].data());
            a.made.clear();
            b.made.clear();
        }
        if (a.foreignException) fail("an exception other than the library's", n, s, a, b);
        if (!(a == b)) fail("answers differ", n, s, a, b);
        if (refusedWithoutChange(s, a) && zf_fuzz::describe(lib[s.target]) != before)
            fail("a refused call changed its vector", n, s, a, b);
        if (s.kind == Kind::equal && a.code == 0 && a.value != 0 &&
            std::hash<ZELMAR_FLAGROW>{}(lib[s.target]) !=
                std::hash<ZELMAR_FLAGROW>{}(lib[s.source]))
            fail("equal vectors hash differently", n, s, a, b);
        for (std::size_t k = 0; k < zf_fuzz::kSlots; ++k) {
            if (!invariantsHold(lib[k])) fail("broken invariant", n, s, a, b);
            const std::string difference = zf_test::difference(lib[k], ref[k]);
            if (!difference.empty()) fail(difference.c_str(), n, s, a, b);
        }
    }
    return 0;
}
