#include <string>

#include "contenders.h"
#include "families.h"

namespace bench {
namespace {

/// Bytes counted are characters. The text is random, so a contender that writes it highest bit
/// first does the same work.
template <class C>
void text(unsigned lg) {
    const std::uint32_t n = bitsOf(lg);
    struct Export {
        typename C::Vec v;
        std::string out;
    };
    struct Import {
        typename C::Vec v;
        std::string in;
    };
    addRow(
        rowName("to_text", C::name, lg), n,
        [n] {
            return Export{randomVec<C>(n, kSeedA), std::string(n + 1, '\0')};
        },
        changing([](Export& f) { C::toText(f.v, f.out); }));
    addRow(
        rowName("from_text", C::name, lg), n,
        [n] {
            return Import{C::zeros(n), randomText(n, kSeedA)};
        },
        changing([](Import& f) { C::fromText(f.v, f.in); }));
}

}  // namespace

void registerText(unsigned lg) {
    Everyone::each([lg]<class C>() { text<C>(lg); });
}

}  // namespace bench
