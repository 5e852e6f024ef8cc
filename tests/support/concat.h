// Joins pieces of text into one string.
//
// Exists because GCC 12 at -O2 and above reports a false -Wrestrict on `"literal" + std::string`,
// and warnings are errors here.
#ifndef ZELMAR_FLAGROW_TESTS_CONCAT_H
#define ZELMAR_FLAGROW_TESTS_CONCAT_H

#include <string>
#include <string_view>

namespace zf_test {

/// The pieces one after another.
template <class... Piece>
std::string concat(const Piece&... pieces) {
    std::string s;
    (s.append(std::string_view(pieces)), ...);
    return s;
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_CONCAT_H
