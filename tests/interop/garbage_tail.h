// Vectors whose storage bits past the size are set: any reader that looks at
// whole words without masking the last one reports bits that do not exist.
#ifndef ZELMAR_FLAGROW_GARBAGE_TAIL_H
#define ZELMAR_FLAGROW_GARBAGE_TAIL_H

#include <cstdint>
#include <string_view>

#include "ZELMAR_FLAGROW.h"

/// The bits written in `text`, every storage bit beyond them set.
inline Quandrelissa::ZELMAR_FLAGROW withGarbageTail(std::string_view text) {
    Quandrelissa::ZELMAR_FLAGROW v(static_cast<std::uint32_t>(text.size()), 1);
    for (std::uint32_t i = 0; i < v.size(); ++i)
        if (text[i] == '0') v.otkl(i);
    return v;
}

#endif  // ZELMAR_FLAGROW_GARBAGE_TAIL_H
