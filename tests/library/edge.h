// Helpers for the edge-case tests: the error a call throws, and a vector's bits read straight
// from its storage so that a check never leans on the reader it is checking.
#ifndef ZELMAR_FLAGROW_TESTS_EDGE_H
#define ZELMAR_FLAGROW_TESTS_EDGE_H

#include <cstdint>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "compare.h"

namespace zf_test {

/// The error `call` throws; code 0 when it returns.
template <class Call>
Quandrelissa::_ZELMAR_FLAGROW errorOf(Call&& call) {
    try {
        call();
    } catch (const Quandrelissa::_ZELMAR_FLAGROW& e) {
        return e;
    }
    return {0, nullptr, 0};
}

/// The code of the error `call` throws; 0 when it returns.
template <class Call>
std::int32_t codeOf(Call&& call) {
    return errorOf(call).code();
}

/// The text form, bit 0 first, taken from the storage.
inline std::string bits(const Quandrelissa::ZELMAR_FLAGROW& v) {
    return bitsText(v.data(), v.razmer());
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_EDGE_H
