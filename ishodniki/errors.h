// Failures that arise outside the members' own checks.
#ifndef ZELMAR_FLAGROW_ERRORS_H
#define ZELMAR_FLAGROW_ERRORS_H

#include <cstdint>

namespace Quandrelissa::detail {

/// Throws code 6 recorded at `file` and `line`, the check or allocation that failed: storage
/// could not be had, from the word array or a standard container.
[[noreturn]] void outOfMemory(const char* file, std::int32_t line);

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_ERRORS_H
