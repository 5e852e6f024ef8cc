// Failures that arise outside the members' own checks.
#ifndef ZELMAR_FLAGROW_ERRORS_H
#define ZELMAR_FLAGROW_ERRORS_H

namespace Quandrelissa::detail {

/// Throws code 6: storage could not be had, from the word array or a standard container.
[[noreturn]] void outOfMemory();

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_ERRORS_H
