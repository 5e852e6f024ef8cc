// What a user of the standard bitset, std::vector<bool> or boost::dynamic_bitset writes, and
// where this vector's conventions differ from theirs.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <map>
#include <ranges>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    // v[i] reads and writes a bit, and is checked as test(i) is.
    ZELMAR_FLAGROW v(8);
    v[1] = true;
    v[2] = v[1];
    v[3].flip();
    v.set(4, true);                        // the standard bitset's set(pos, value)
    const bool was = v.test_set(5, true);  // boost's test_set: the old bit
    check(v.to_string() == "01111100" && !was && v[1], "v[i], set(i, value), test_set");

    // Iterators over all bits: range-for and the standard algorithms.
    std::uint32_t ones = 0;
    for (const bool bit : v) ones += bit ? 1u : 0u;
    check(ones == 5 && std::ranges::count(v, true) == 5, "range-for and ranges::count");
    std::ranges::fill(v.begin(), v.begin() + 2, true);  // bits 0 and 1
    std::ranges::reverse(v);
    check(v.to_string() == "00111111", "ranges::fill and ranges::reverse");
    check(std::ranges::find(v, true) - v.begin() == 2, "ranges::find");

    // Errors are std::exceptions; [] past the end throws code 4 instead of being undefined.
    try {
        v[8] = true;
        check(false, "bit 8 of eight is refused");
    } catch (const std::exception& e) {
        check(std::string_view(e.what()).starts_with("zelmar_flagrow error 4: "), "what()");
    }

    // The text is bit 0 first: four bits with bit 0 set print 1000 (the standard bitset: 0001).
    ZELMAR_FLAGROW low(4);
    low[0] = true;
    std::string msbFirst = low.to_string();
    std::ranges::reverse(msbFirst);
    check(low.to_string() == "1000" && msbFirst == "0001", "bit 0 first; reversed, bit 0 last");

    // << moves bits towards bit 0: the standard bitset's >>.
    check((ZELMAR_FLAGROW("0110") << 1).to_string() == "1100", "<< moves towards bit 0");

    // All ones: fill 1 or set(). A fill of -1 (~0) means "leave the storage uninitialised".
    check(ZELMAR_FLAGROW(256, 1).all() && ZELMAR_FLAGROW(256, -1).set().all(), "all ones");

    // Combining keeps the left operand's size and its bits past the right one's; resize first
    // for the equal sizes the peers ask for.
    ZELMAR_FLAGROW wide("1111");
    wide &= ZELMAR_FLAGROW("01");
    ZELMAR_FLAGROW narrow("01");
    narrow.resize(4);
    check(wide.to_string() == "0111" && (ZELMAR_FLAGROW("1111") & narrow).to_string() == "0100",
          "different sizes; equal sizes after resize");

    // Copy assignment of an empty vector changes nothing, move assignment empties; so do
    // nado(0) and resize(0).
    const ZELMAR_FLAGROW none;
    ZELMAR_FLAGROW kept("101");
    kept = none;
    ZELMAR_FLAGROW moved("101");
    moved = ZELMAR_FLAGROW(none);
    ZELMAR_FLAGROW sized("101");
    sized.nado(0);
    ZELMAR_FLAGROW cleared("101");
    cleared.resize(0);
    check(kept.size() == 3 && moved.empty() && sized.size() == 3 && cleared.empty(),
          "copy of empty and nado(0) keep; move and resize(0) empty");

    // schet() throws code 1 on an empty vector; count() answers 0 (any(), none() likewise).
    check(none.count() == 0 && !none.any() && none.none(), "count() never throws");

    // Keys: < compares sizes only and == refuses two empty vectors; the key objects do neither.
    std::set<ZELMAR_FLAGROW, Quandrelissa::LessBySizeThenBits> keys{
        ZELMAR_FLAGROW("0011"), ZELMAR_FLAGROW("0101"), ZELMAR_FLAGROW("1001")};
    std::map<ZELMAR_FLAGROW, int, Quandrelissa::LessBySizeThenBits> named{
        {ZELMAR_FLAGROW("01"), 1}, {ZELMAR_FLAGROW("10"), 2}};
    std::unordered_set<ZELMAR_FLAGROW, std::hash<ZELMAR_FLAGROW>, Quandrelissa::EqualSizeAndBits>
        seen{ZELMAR_FLAGROW(), ZELMAR_FLAGROW(), ZELMAR_FLAGROW("1")};
    check(keys.size() == 3 && named.size() == 2 && seen.size() == 2, "keys stay apart");
    return finish();
}
