// The error a call raises, for tests that check the code, file and line of a refusal.
#ifndef ZELMAR_FLAGROW_TESTS_RAISED_H
#define ZELMAR_FLAGROW_TESTS_RAISED_H

#include <cstdint>

#include "ZELMAR_FLAGROW.h"

namespace zf_test {

/// The file named by the errors of the members inline in the public header.
inline constexpr const char* kHeaderFile = Quandrelissa::detail::kPublicHeader;
/// The file named by the errors of every other member: where their checks stand.
inline constexpr const char* kMembersFile = "ishodniki/ZELMAR_FLAGROW.cpp";

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

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_RAISED_H
