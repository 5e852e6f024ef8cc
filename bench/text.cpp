#include <string>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// Bytes counted are characters. The text is random, so a contender that writes or reads it
/// highest bit first does the same work.
template <class C>
void text(unsigned lg) {
    struct Fixture {
        typename C::Vec v;
        std::string text;
    };
    const std::uint32_t n = bitsOf(lg);
    addRow(
        "to_text", C::name, lg, n,
        [n] {
            return Fixture{randomVec<C>(n, kSeedA), std::string(n + 1, '\0')};
        },
        changing([](Fixture& f) { C::toText(f.v, f.text); }));
    addRow(
        "from_text", C::name, lg, n,
        [n] {
            return Fixture{C::zeros(n), randomText(n, kSeedA)};
        },
        changing([](Fixture& f) { C::fromText(f.v, f.text); }));
}

}  // namespace

void registerText(unsigned lg) {
    Everyone::each([lg]<class C>() { text<C>(lg); });
}

}  // namespace bench
