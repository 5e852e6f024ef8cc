// Drives three vectors of the class and three of the plain reference model through the steps
// the input spells, and stops at the first answer, bit or promise that differs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "lockstep.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string why = zf_test::runLockstep(std::span(data, size), {});
    if (why.empty()) return 0;
    std::fprintf(stderr, "%s\n", why.c_str());
    std::abort();
}
