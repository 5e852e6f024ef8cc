// Exits 0 only when the library it was built against really works.
#include <ZELMAR_FLAGROW.h>

int main() {
    Quandrelissa::ZELMAR_FLAGROW bits("1011");
    bits.plus(2, 1);
    try {
        bits.vkl(6);
        return 1;
    } catch (const Quandrelissa::_ZELMAR_FLAGROW& error) {
        return bits.to_string() == "101111" && bits.schet() == 5 && error.code() == 4 ? 0 : 1;
    }
}
