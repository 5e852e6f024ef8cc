#include <vector>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

template <class C>
void words(Size size) {
    using Word = typename C::Word;
    struct Fixture {
        typename C::Vec v;
        std::vector<Word> buffer;
    };
    const std::uint32_t n = size.bits;
    const std::uint32_t range = rangeBits(n);
    const auto wordsFor = [](std::size_t bits) {
        return (bits + 8 * sizeof(Word) - 1) / (8 * sizeof(Word));
    };

    addRow(
        "to_words", C::name, size, n / 8.0,
        [=] {
            return Fixture{randomVec<C>(n, kSeedA), std::vector<Word>(wordsFor(n))};
        },
        changing([](Fixture& f) { C::toWords(f.v, f.buffer); }));
    addRow(
        "from_words", C::name, size, n / 8.0,
        [=] {
            return Fixture{C::zeros(n), randomBuffer<Word>(n, kSeedA)};
        },
        changing([](Fixture& f) { C::fromWords(f.v, f.buffer); }));
    addRow(
        "to_words_range", C::name, size, range / 8.0,
        [=] {
            return Fixture{randomVec<C>(n, kSeedA), std::vector<Word>(wordsFor(range))};
        },
        changing([n](Fixture& f) { C::toWordsIn(f.v, f.buffer, kFrom, rangeTo(n)); }));
    addRow(
        "from_words_range", C::name, size, range / 8.0,
        [=] {
            return Fixture{C::zeros(n), randomBuffer<Word>(range, kSeedA)};
        },
        changing([n](Fixture& f) { C::fromWordsIn(f.v, f.buffer, kFrom, rangeTo(n)); }));
}

/// Words written past the end of a vector of half the size, which grows to take them.
template <class C>
void growingImport(Size size) {
    const std::uint32_t n = size.bits;
    addGrowthRow(
        "from_words_grow", C::name, size, n, [n] { return randomVec<C>(n / 2, kSeedA); },
        [n] { return randomBuffer<typename C::Word>(n / 2, kSeedB); },
        [n](auto& v, const auto& buffer) { C::fromWordsIn(v, buffer, n / 2, n - 1); });
}

}  // namespace

void registerWords(Size size) {
    Everyone::each([size]<class C>() { words<C>(size); });
    OursAndRaw::each([size]<class C>() { growingImport<C>(size); });
}

}  // namespace bench
