#include <string>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// Bytes counted are characters. The text is random, so a contender that writes or reads it
/// highest bit first does the same work.
template <class C>
void text(Size size) {
    struct Fixture {
        typename C::Vec v;
        std::string text;
    };
    const std::uint32_t n = size.bits;
    addRow(
        "to_text", C::name, size, n,
        [n] {
            return Fixture{randomVec<C>(n, kSeedA), std::string(n + 1, '\0')};
        },
        changing([](Fixture& f) { C::toText(f.v, f.text); }));
    addRow(
        "from_text", C::name, size, n,
        [n] {
            return Fixture{C::zeros(n), randomText(n, kSeedA)};
        },
        changing([](Fixture& f) { C::fromText(f.v, f.text); }));
}

}  // namespace

void registerText(Size size) {
    Everyone::each([size]<class C>() { text<C>(size); });
}

}  // namespace bench
