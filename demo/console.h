// The demonstration program, run on any pair of streams.
#ifndef ZELMAR_FLAGROW_DEMO_CONSOLE_H
#define ZELMAR_FLAGROW_DEMO_CONSOLE_H

#include <iosfwd>

/// Runs the whole demonstration, reading the user's answers from `in` and writing to `out`,
/// and returns the exit status: always 0.
int runConsole(std::istream& in, std::ostream& out);

#endif  // ZELMAR_FLAGROW_DEMO_CONSOLE_H
