// The text form and the word-array form, both with the ask-then-hand-over protocol.
#include <cstdint>
#include <string_view>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    const char* text = "111100001111000011110000111100001111";
    check(ZELMAR_FLAGROW(text, 32).to_string() == "1111", "characters 32 to the end");
    const ZELMAR_FLAGROW v(text, 4, 6);  // characters 4 to 9
    check(v.to_string() == "000011", "six characters from position 4");
    check(ZELMAR_FLAGROW("1a0 ").to_string() == "1101", "every character but '0' is a 1");

    // expStr: ask for the size (the characters and a NUL), then hand a buffer over.
    const std::uint32_t need = v.expStr();
    std::vector<char> buffer(need);
    check(need == 7, "six characters and a NUL");
    check(v.expStr(buffer.data(), need) == 0, "a large enough buffer is written");
    check(std::string_view(buffer.data()) == "000011", "the text in the buffer");
    check(v.expStr(buffer.data(), 3) == 7, "a short buffer is only told the size");

    // expUL packs a range from bit 0 of the first word, wherever the range starts.
    ZELMAR_FLAGROW bits(40);
    bits.vkl(30, 33);
    std::uint32_t words[2] = {};
    check(bits.expUL() == 2, "the whole vector needs two words");
    check(bits.expUL(words, 2, 30, 33) == 0, "bits 30 to 33 exported");
    check(words[0] == 0xFu && words[1] == 0u, "packed from bit 0, the rest zeroed");

    // impUL writes a range and grows the vector when the range passes its end.
    ZELMAR_FLAGROW grown("11");
    const std::uint32_t low[1] = {0b101u};
    check(grown.impUL(4, 6, low, 1) == 0, "three bits imported at 4");
    check(grown.to_string() == "1100101", "grown to 7 bits, the gap zero");
    return finish();
}
