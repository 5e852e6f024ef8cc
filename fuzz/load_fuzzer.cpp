// Feeds load() arbitrary bytes. A refused stream must leave the vector exactly as it was; an
// accepted one must save back to the very bytes it was read from. Crashes, leaks and sanitizer
// reports are the fuzzer's own to find.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "ZELMAR_FLAGROW.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using Quandrelissa::ZELMAR_FLAGROW;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ZELMAR_FLAGROW v(45, "1101");
    v.push_back(true);  // spare storage, which a refusal must not disturb either
    const ZELMAR_FLAGROW before(v);
    std::istringstream in(bytes);
    try {
        v.load(in);
    } catch (const Quandrelissa::_ZELMAR_FLAGROW& e) {
        if (e.code() != Quandrelissa::_ZELMAR_FLAGROW::kNoMemory) std::abort();
    }
    if (in.fail()) {
        if (v.razmer() != before.razmer() || !(v == before)) std::abort();
        return 0;
    }
    const auto consumed = static_cast<std::size_t>(in.tellg());
    std::ostringstream out;
    v.save(out);
    if (out.str() != bytes.substr(0, consumed)) std::abort();
    return 0;
}
