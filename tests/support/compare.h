// Whether the class and the reference model hold the same vector.
//
// Only size, word count and the bits below the size are compared: the storage bits past the
// size carry no meaning, and the class is free to leave anything there.
#ifndef ZELMAR_FLAGROW_TESTS_COMPARE_H
#define ZELMAR_FLAGROW_TESTS_COMPARE_H

#include <bit>
#include <cstdint>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "concat.h"
#include "reference_model.h"

namespace zf_test {

/// The meaningful bits of word `w` of a vector of `bits` bits.
inline std::uint32_t liveMask(std::uint32_t bits, std::uint32_t w) {
    const std::uint32_t used = bits - w * 32;
    return used >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << used) - 1;
}

/// The text form of `bits` bits of `words`, read straight from the storage.
inline std::string bitsText(const std::uint32_t* words, std::uint32_t bits) {
    std::string s(bits, '0');
    for (std::uint32_t p = 0; p < bits; ++p)
        if ((words[p / 32] >> (p % 32)) & 1u) s[p] = '1';
    return s;
}

/// "" when `actual` and `expected` agree; otherwise what differs first (with both texts when
/// they are short enough to read).
inline std::string difference(const Quandrelissa::ZELMAR_FLAGROW& actual,
                              const ReferenceVector& expected) {
    const std::uint32_t bits = expected.razmer();
    if (actual.razmer() != bits)
        return concat("size ", std::to_string(actual.razmer()), ", expected ",
                      std::to_string(bits));
    if (actual.razmerUL() != expected.razmerUL())
        return concat("word count ", std::to_string(actual.razmerUL()), ", expected ",
                      std::to_string(expected.razmerUL()));
    for (std::uint32_t w = 0; w < expected.razmerUL(); ++w) {
        const std::uint32_t diff = (actual.data()[w] ^ expected.data()[w]) & liveMask(bits, w);
        if (diff == 0) continue;
        std::string what = concat(
            "bit ", std::to_string(w * 32 + static_cast<std::uint32_t>(std::countr_zero(diff))),
            " differs");
        if (bits <= 200)
            what = concat(what, "\n  actual   ", bitsText(actual.data(), bits), "\n  expected ",
                          bitsText(expected.data(), bits));
        return what;
    }
    return {};
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_COMPARE_H
