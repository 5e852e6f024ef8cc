// Helpers for the edge-case tests: the error a call throws (raised.h), and a vector's bits read
// straight from its storage so that a check never leans on the reader it is checking.
#ifndef ZELMAR_FLAGROW_TESTS_EDGE_H
#define ZELMAR_FLAGROW_TESTS_EDGE_H

#include <string>

#include "ZELMAR_FLAGROW.h"
#include "compare.h"
#include "raised.h"

namespace zf_test {

/// The text form, bit 0 first, taken from the storage.
inline std::string bits(const Quandrelissa::ZELMAR_FLAGROW& v) {
    return bitsText(v.data(), v.razmer());
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_EDGE_H
