#include <utility>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// a op= b, b of `rightBits` bits.
template <class C, Logic op>
void combining(unsigned lg, std::uint32_t rightBits, const char* suffix) {
    const std::uint32_t n = bitsOf(lg);
    addRow(
        std::string(logicName(op)) + suffix, C::name, lg, rightBits / 8.0,
        [n, rightBits] {
            return std::pair{randomVec<C>(n, kSeedA), randomVec<C>(rightBits, kSeedB)};
        },
        changing([](auto& ab) { C::template combine<op>(ab.first, ab.second); }));
}

template <class C>
void allCombinations(unsigned lg, std::uint32_t rightBits, const char* suffix) {
    combining<C, Logic::And>(lg, rightBits, suffix);
    combining<C, Logic::Or>(lg, rightBits, suffix);
    combining<C, Logic::Xor>(lg, rightBits, suffix);
}

template <class C>
void complement(unsigned lg) {
    const std::uint32_t n = bitsOf(lg);
    addRow("not", C::name, lg, n / 8.0, randomSetup<C>(n), [](const auto& v) {
        const auto flipped = C::complement(v);
        touch(&flipped);
    });
}

}  // namespace

void registerLogic(unsigned lg) {
    WordWise::each([lg]<class C>() { allCombinations<C>(lg, bitsOf(lg), ""); });
    // A right operand that ends inside a word, halfway: only its own bits may change.
    OursAndRaw::each([lg]<class C>() { allCombinations<C>(lg, bitsOf(lg) / 2 + 5, "_short"); });
    Everyone::each([lg]<class C>() { complement<C>(lg); });
}

}  // namespace bench
