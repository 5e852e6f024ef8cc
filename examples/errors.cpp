// Misuse throws _ZELMAR_FLAGROW with a code and the place of the failing check.
#include <cstdint>
#include <string_view>

#include "ZELMAR_FLAGROW.h"
#include "check.h"

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

namespace {

/// The code `call` throws, or 0.
template <class Call>
std::int32_t codeOf(Call call) {
    try {
        call();
    } catch (const _ZELMAR_FLAGROW& error) {
        return error.code();
    }
    return 0;
}

}  // namespace

int main() {
    ZELMAR_FLAGROW empty;
    check(codeOf([&] { (void)empty.schet(); }) == 1, "a question to an empty vector: 1");
    check(codeOf([&] { empty.impStr(nullptr); }) == 2, "a missing text: 2");

    // An empty vector has no text: asked, expStr answers the NUL alone; handed a buffer it throws,
    // where to_string() answers "".
    char chars[8] = {};
    check(empty.expStr() == 1, "the size needed is the NUL");
    check(codeOf([&] { (void)empty.expStr(chars, sizeof chars); }) == 1,
          "an empty vector's text into a buffer: 1");
    check(empty.to_string().empty(), "to_string() answers an empty vector");

    ZELMAR_FLAGROW v("0110");
    check(codeOf([&] { v.vkl(4); }) == 4, "a bit past the end: 4");
    check(codeOf([&] { v.impStr("01", 3); }) == 4, "a start past the text: 4");
    check(v.to_string() == "0110", "checks come before changes");

    try {
        (void)v.test(10);
        check(false, "bit 10 of four is refused");
    } catch (const _ZELMAR_FLAGROW& error) {
        check(std::string_view(error.file()) == "INCLUDE/ZELMAR_FLAGROW.h",
              "the file of the check");
        check(error.line() > 0, "its line");
    }

    // The bitset-style names answer an empty vector instead of throwing.
    check(empty.count() == 0 && !empty.any() && empty.none() && empty.all(), "empty answers");
    return finish();
}
