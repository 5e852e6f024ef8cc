// Garbage in the storage bits past the size, which carry no meaning and which no reader may let
// through. The model has no such bits worth writing, so the same call leaves it alone and one
// generic step can poison both; a test that needs only the class starts from withGarbageTail().
#ifndef ZELMAR_FLAGROW_TESTS_POISON_H
#define ZELMAR_FLAGROW_TESTS_POISON_H

#include <cstdint>
#include <string_view>

#include "ZELMAR_FLAGROW.h"
#include "compare.h"
#include "reference_model.h"

namespace zf_test {

/// Sets the spare bits of the last word to those of `garbage`.
inline void poisonTail(Quandrelissa::ZELMAR_FLAGROW& v, std::uint32_t garbage) {
    if (v.razmer() % 32 == 0) return;
    const std::uint32_t last = v.razmerUL() - 1;
    const std::uint32_t live = liveMask(v.razmer(), last);
    // The storage is the vector's own and never const: data() merely hands it out read-only.
    auto* word = const_cast<std::uint32_t*>(v.data()) + last;
    *word = (*word & live) | (garbage & ~live);
}

/// Nothing: the model never reads its spare bits.
inline void poisonTail(ReferenceVector&, std::uint32_t) {}

/// The bits written in `text` ('0' clear, anything else set, bit 0 first), every storage bit
/// past them set.
inline Quandrelissa::ZELMAR_FLAGROW withGarbageTail(std::string_view text) {
    Quandrelissa::ZELMAR_FLAGROW v(text);
    poisonTail(v, 0xFFFFFFFFu);
    return v;
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_POISON_H
