// Combining vectors of different sizes, growing them and shifting them.
#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    // A compound operator works on the bits both have; the left keeps its size and the rest.
    const ZELMAR_FLAGROW shorter("011");
    ZELMAR_FLAGROW longer("11100");
    longer &= shorter;
    check(longer.to_string() == "01100", "bits 0 to 2 ANDed, bits 3 and 4 kept");

    // A value-returning operator gives a vector of the smaller size.
    check((ZELMAR_FLAGROW("11100") | shorter).to_string() == "111", "three bits");
    check((~shorter).to_string() == "100", "complement");

    // Growth: += appends a vector, plus appends zeros or ones.
    ZELMAR_FLAGROW joined("01");
    joined += ZELMAR_FLAGROW("110");
    check(joined.to_string() == "01110", "appended");
    joined.plus(3, 1);
    check(joined.to_string() == "01110111", "three ones appended");

    // << moves bits towards bit 0 (the text moves left), >> away; the size stays.
    const ZELMAR_FLAGROW s("1100101");
    check((s << 3).to_string() == "0101000", "shift towards bit 0");
    check((s >> 3).to_string() == "0001100", "shift away from bit 0");

    // == compares size and bits; < compares the sizes alone.
    check(ZELMAR_FLAGROW("0101") == ZELMAR_FLAGROW("0101"), "same bits");
    check(ZELMAR_FLAGROW("0101") != ZELMAR_FLAGROW("01010"), "other size");
    check(ZELMAR_FLAGROW("111") < ZELMAR_FLAGROW("0000"), "fewer bits");
    return finish();
}
