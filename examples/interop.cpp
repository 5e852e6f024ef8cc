// The vector among standard-library types: strings, streams, spans, hashing.
#include <cstdint>
#include <span>
#include <sstream>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    // Streams carry the text form; >> stops before the first character that is no bit.
    std::istringstream in(" 0110,1");
    ZELMAR_FLAGROW v;
    in >> v;
    check(v.to_string() == "0110" && in.peek() == ',', "one token read");
    std::ostringstream out;
    out << v;
    check(out.str() == "0110", "written back");

    // Walking the set bits.
    const ZELMAR_FLAGROW sparse(std::string_view("0100000001000000000000000000000001"));
    std::vector<std::uint32_t> set;
    for (auto i = sparse.find_first(); i < sparse.size(); i = sparse.find_next(i)) set.push_back(i);
    check(set == std::vector<std::uint32_t>{1, 9, 33}, "set bits found in order");

    // Word arrays as spans.
    std::vector<std::uint32_t> words(sparse.expUL());
    check(sparse.expUL(words) == 0 && words[0] == 0x202u && words[1] == 0x2u, "span export");
    ZELMAR_FLAGROW copy(sparse.size());
    check(copy.impUL(std::span<const std::uint32_t>(words)) == 0 && copy == sparse, "span import");

    // Hashing and swapping.
    std::unordered_set<ZELMAR_FLAGROW> seen{sparse, copy, v};
    check(seen.size() == 2, "equal vectors are one key");
    swap(v, copy);
    check(v == sparse && copy.to_string() == "0110", "swapped");
    return finish();
}
