// Ranges [i, j] include both ends; an end past the last bit means the last bit.
#include <utility>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    ZELMAR_FLAGROW v(10);
    v.vkl(6, 100);  // the end is clamped to bit 9
    check(v.to_string() == "0000001111", "set 6 to the end");
    v.invert(0, ZELMAR_FLAGROW::kToEnd);
    check(v.to_string() == "1111110000", "flip everything");
    v.otkl(2, 3);
    check(v.to_string() == "1100110000", "clear 2 and 3");
    check(v.test(4, 5) && !v.test(6, 9), "test(i, j): is any bit of the range set");

    // A start past the clamped end, or ends given backwards, is code 4; nothing changes.
    for (auto [i, j] : {std::pair{12u, 100u}, std::pair{5u, 4u}}) {
        try {
            v.vkl(i, j);
            check(false, "a bad range is refused");
        } catch (const _ZELMAR_FLAGROW& error) {
            check(error.code() == 4 && v.to_string() == "1100110000", "code 4, vector unchanged");
        }
    }
    return finish();
}
