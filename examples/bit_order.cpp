// Bit 0 is the first character of the text and the lowest bit of the first word.
#include <cstdint>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    ZELMAR_FLAGROW v(40);  // 40 bits, all 0
    v.vkl(0).vkl(3).vkl(32);
    check(v.to_string() == "1001000000000000000000000000000010000000", "bit 0 comes first");
    check(v.razmer() == 40 && v.razmerUL() == 2, "40 bits take two words");
    check(v.data()[0] == 0x9u, "bits 0 and 3 are the low bits of word 0");
    check((v.data()[1] & 1u) == 1u, "bit 32 is the lowest bit of word 1");

    // Fills: 0 clears, -1 leaves the storage as it comes, anything else sets.
    check(ZELMAR_FLAGROW(5, 1).to_string() == "11111", "fill 1 sets every bit");
    check(ZELMAR_FLAGROW(5, -1).razmer() == 5, "fill -1 sizes without writing");
    check(ZELMAR_FLAGROW(8, "001").to_string() == "00100100", "a pattern repeats");
    check(!ZELMAR_FLAGROW().est(), "the default vector is empty");
    return finish();
}
