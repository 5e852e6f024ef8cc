// Compares a program's output with a transcript written by hand, where the
// bits that are not fixed (vectors sized without initialising them) are
// matched by shape and then carried forward by name.
//
// Transcript notation, inside double braces:
//   {{include FILE}}   the text of FILE, from the same folder, without its last newline
//   {{bits N NAME}}    N characters '0' or '1', remembered as NAME
//   {{line}}           a decimal number (a source line)
//   {{N*TEXT}}         TEXT written N times
//   {{REF}}            the remembered text; REF is NAME or NAME[A..B], characters A to B
//   {{word REF K}}     word K of REF (bit k is character k) in unsigned decimal
//   {{eq A B}}         1 when the remembered A and B are equal, else 0; {{ne A B}} the opposite
#ifndef ZELMAR_FLAGROW_TESTS_TRANSCRIPT_H
#define ZELMAR_FLAGROW_TESTS_TRANSCRIPT_H

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

/// The text of `path` with its includes expanded and one final newline dropped.
std::string loadTranscript(const std::filesystem::path& path);

/// Runs the program with `environment` (shell assignments) and `input` as its standard input;
/// its exit status and its whole output.
std::pair<int, std::string> runProgram(const std::string& environment,
                                       const std::filesystem::path& input);

/// "" when `actual` matches `expected`; otherwise where and how it first differs.
std::string compareTranscript(std::string_view expected, std::string_view actual);

#endif  // ZELMAR_FLAGROW_TESTS_TRANSCRIPT_H
