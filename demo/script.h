// The script of sections, in the order the program runs them.
#ifndef ZELMAR_FLAGROW_DEMO_SCRIPT_H
#define ZELMAR_FLAGROW_DEMO_SCRIPT_H

struct Stage;

/// The banner, the constants, and vb1 to vb9 built with every constructor.
void showOpening(Stage& s);
/// Sizing, the text and word-array exports and imports, and the field the operators work on.
void runSizing(Stage& s);
/// Assignment, appending, the combining, shift and comparison operators, and growth.
void runOperators(Stage& s);
/// Switching bits on, off and over: all of them, one, and a range.
void runBitSections(Stage& s);
/// The queries on a typed field, then the closing words.
void runQueries(Stage& s);

#endif  // ZELMAR_FLAGROW_DEMO_SCRIPT_H
