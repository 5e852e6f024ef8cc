// Growing a vector bit by bit, changing many listed bits at once, and the binary form.
#include <cstdint>
#include <sstream>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

int main() {
    // push_back grows the storage geometrically; the bits stay.
    ZELMAR_FLAGROW v;
    v.reserve(100);
    for (std::uint32_t i = 0; i < 100; ++i) v.push_back(i % 10 == 0);
    check(v.size() == 100 && v.count() == 10 && v.capacity() >= 100, "pushed bit by bit");
    v.pop_back().resize(120, true);
    check(v.size() == 120 && v.count() == 10 + 21, "resize keeps the bits, new ones are set");

    // Listed bits: checked first, so one bad index changes nothing.
    const std::vector<std::uint32_t> listed{1, 2, 3, 3};
    v.vkl(listed);
    check(v.test(1) && v.test(3), "listed bits set");
    v.invert(listed);  // 3 is listed twice: flipped twice
    check(!v.test(1) && v.test(3), "a bit listed twice flips twice");
    const std::vector<std::uint32_t> tooFar{5, 500};
    try {
        v.vkl(tooFar);
        check(false, "an index past the end is refused");
    } catch (const _ZELMAR_FLAGROW& error) {
        check(error.code() == _ZELMAR_FLAGROW::kOutOfRange && !v.test(5), "nothing set");
    }

    // The binary form: the same bytes on every platform.
    std::stringstream file;
    v.save(file);
    ZELMAR_FLAGROW back;
    back.load(file);
    check(file.good() && back == v, "saved and loaded");
    std::stringstream damaged(file.str().substr(0, 20));
    back.load(damaged);
    check(damaged.fail() && back == v, "a truncated stream is refused, the vector unchanged");
    return finish();
}
