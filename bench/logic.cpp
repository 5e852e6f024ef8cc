#include <utility>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

/// a op= b, b of `rightBits` bits.
template <class C, Logic op>
void combining(Size size, std::uint32_t rightBits, const char* suffix) {
    const std::uint32_t n = size.bits;
    addRow(
        std::string(logicName(op)) + suffix, C::name, size, rightBits / 8.0,
        [n, rightBits] {
            return std::pair{randomVec<C>(n, kSeedA), randomVec<C>(rightBits, kSeedB)};
        },
        changing([](auto& ab) { C::template combine<op>(ab.first, ab.second); }));
}

template <class C>
void allCombinations(Size size, std::uint32_t rightBits, const char* suffix) {
    combining<C, Logic::And>(size, rightBits, suffix);
    combining<C, Logic::Or>(size, rightBits, suffix);
    combining<C, Logic::Xor>(size, rightBits, suffix);
}

template <class C>
void complement(Size size) {
    const std::uint32_t n = size.bits;
    addRow("not", C::name, size, n / 8.0, randomSetup<C>(n), [](const auto& v) {
        const auto flipped = C::complement(v);
        touch(&flipped);
    });
}

}  // namespace

void registerLogic(Size size) {
    WordWise::each([size]<class C>() { allCombinations<C>(size, size.bits, ""); });
    atFixedSize(size, [size]<class C>() { allCombinations<C>(size, size.bits, ""); });
    // A right operand that ends inside a word, halfway: only its own bits may change.
    OursAndRaw::each([size]<class C>() { allCombinations<C>(size, size.bits / 2 + 5, "_short"); });
    Everyone::each([size]<class C>() { complement<C>(size); });
    atFixedSize(size, [size]<class C>() { complement<C>(size); });
}

}  // namespace bench
