// The examples' own result check: a mismatch is reported and fails the program.
#ifndef ZELMAR_FLAGROW_EXAMPLES_CHECK_H
#define ZELMAR_FLAGROW_EXAMPLES_CHECK_H

#include <iostream>

inline int mismatches = 0;

/// Reports `what` when `ok` is false.
inline void check(bool ok, const char* what) {
    if (ok) return;
    std::cerr << "mismatch: " << what << '\n';
    ++mismatches;
}

/// The exit status: 0 when every check held.
inline int finish() { return mismatches == 0 ? 0 : 1; }

#endif  // ZELMAR_FLAGROW_EXAMPLES_CHECK_H
