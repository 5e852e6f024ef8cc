// Searching both ways, walking the set bits, counting a range and comparing sets.
#include <cstdint>
#include <ranges>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    const ZELMAR_FLAGROW v("0110000001");  // bits 1, 2 and 9 set
    check(v.find_first(3) == 9 && v.find_last() == 9 && v.find_prev(9) == 2, "set bits");
    check(v.find_first_unset() == 0 && v.find_next_unset(0) == 3, "clear bits forwards");
    check(v.find_last_unset() == 8 && v.find_prev_unset(3) == 0, "clear bits backwards");
    check(v.find_first(10) == v.size(), "no such bit: size()");

    std::vector<std::uint32_t> set;
    for (const std::uint32_t i : v.set_bits()) set.push_back(i);
    check(set == std::vector<std::uint32_t>{1, 2, 9}, "the set bits in order");
    check(std::ranges::distance(v.set_bits()) == 3, "a standard forward range");

    check(v.schet(2, ZELMAR_FLAGROW::kToEnd) == 2 && v.all(1, 2) && !v.all(1, 3), "ranges");

    const ZELMAR_FLAGROW small("0100");
    check(small.is_subset_of(v) && small.intersects(v) && !v.is_subset_of(small), "subsets");
    check((v - small).to_string() == "0010", "difference: the smaller size");
    ZELMAR_FLAGROW w = v;
    w -= small;  // bits past small's size stay
    check(w.to_string() == "0010000001", "difference in place");
    return finish();
}
