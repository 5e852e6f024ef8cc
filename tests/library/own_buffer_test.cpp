// A buffer that is the vector's own storage, or part of it: every member reads it as it was
// before the call, as if it had been copied aside first.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"
#include "reference_model.h"

namespace zf_test {
namespace {

using Quandrelissa::ZELMAR_FLAGROW;

constexpr const char* k32 = "10110011100011110000111110000011";

// Bits 0, 3, 31, 32, ... set: every word boundary has a set bit on one side and a clear one on
// the other, so a word read after it was written shows.
std::string boundaryText(std::size_t n) {
    std::string text(n, '0');
    for (std::size_t i = 0; i < n; ++i)
        if (i % 32 == 0 || i % 32 == 31 || i % 5 == 3) text[i] = '1';
    return text;
}

TEST(OwnWords, GrowingFromItsOwnStorageDoublesAsConcatenationDoes) {
    ZELMAR_FLAGROW pointer(k32);
    ASSERT_EQ(pointer.impUL(32, 63, pointer.data(), pointer.razmerUL()), 0u);
    EXPECT_EQ(bits(pointer), std::string(k32) + k32);

    ZELMAR_FLAGROW span(k32);
    ASSERT_EQ(span.impUL(32, 63, std::span(span.data(), span.razmerUL())), 0u);
    EXPECT_EQ(bits(span), std::string(k32) + k32);
}

TEST(OwnWords, GrowingFarPastTheEndKeepsTheOldBitsAsTheSource) {
    const std::string text = boundaryText(100);
    ZELMAR_FLAGROW v(text.c_str());
    ASSERT_EQ(v.impUL(1000, 1099, v.data(), v.razmerUL()), 0u);
    EXPECT_EQ(bits(v), text + std::string(900, '0') + text);
}

// Every shift of a 200-bit vector over itself, both directions and the word-aligned ones,
// through both forms, against the model that copies the source first.
TEST(OwnWords, OverlappingImportInsideTheVectorMatchesTheModel) {
    const std::string text = boundaryText(200);
    for (std::uint32_t skip = 0; skip < 7; ++skip) {
        for (std::uint32_t from = 0; from < 200; ++from) {
            ZELMAR_FLAGROW v(text.c_str());
            ReferenceVector model(text.c_str());
            const std::uint32_t count = v.razmerUL() - skip;
            const std::uint32_t to = 199 - 32 * skip > from ? 199 - 32 * skip : from;
            const auto got = skip % 2 == 0 ? v.impUL(from, to, v.data() + skip, count)
                                           : v.impUL(from, to, std::span(v.data() + skip, count));
            EXPECT_EQ(got, model.impUL(from, to, model.data() + skip, count));
            ASSERT_EQ(bits(v), bitsText(model.data(), model.razmer()))
                << "from " << from << " skip " << skip;
        }
    }
}

// The storage bytes as characters, a clear word ending the text. The words are made from the
// characters, so they hold "01011110" in memory on either byte order.
TEST(OwnCharacters, TextAndPatternFromTheStorageAreReadBeforeItChanges) {
    std::uint32_t words[3] = {};
    std::memcpy(words, "01011110", 8);
    ZELMAR_FLAGROW text(3000);
    ASSERT_EQ(text.impUL(0, 95, words, 3), 0u);
    text.impStr(reinterpret_cast<const char*>(text.data()));
    EXPECT_EQ(bits(text), "01011110");

    ZELMAR_FLAGROW pattern(96);
    ASSERT_EQ(pattern.impUL(words, 3), 0u);
    pattern.nado(20, reinterpret_cast<const char*>(pattern.data()), 6);
    EXPECT_EQ(bits(pattern), "01011101011101011101");
}

// A list in the words it changes: bit 38 set by the first index turns the second, 0, into 64,
// one past the end, unless the list is read as it was. In otkl, clearing bit 33 turns the second
// index, 7, into 5, a bit that was never listed.
TEST(OwnWords, ListedBitsFromTheStorageAreTheListAsItWasBeforeTheCall) {
    ZELMAR_FLAGROW set(64);
    set.vkl(1).vkl(2).vkl(5);
    set.vkl(std::span(set.data(), 2));
    EXPECT_EQ(bits(set), "111001" + std::string(32, '0') + "1" + std::string(25, '0'));

    ZELMAR_FLAGROW flipped(64);
    flipped.vkl(1).vkl(2).vkl(5);
    flipped.invert(std::span(flipped.data(), 2));
    EXPECT_EQ(bits(flipped), bits(set));

    ZELMAR_FLAGROW cleared(64);
    cleared.vkl(0).vkl(5).vkl(32).vkl(33).vkl(34);
    cleared.otkl(std::span(cleared.data(), 2));
    EXPECT_EQ(bits(cleared), "100001" + std::string(26, '0') + "101" + std::string(29, '0'));
}

// "011" in word 1, which resize(32) and a zero-character import leave as spare storage: the
// re-size to 8 bits frees that storage, so the pattern must be read before it. The word is made
// from the characters, so it holds them in memory on either byte order.
TEST(OwnCharacters, PatternInTheSpareStorageIsReadBeforeTheReSize) {
    std::uint32_t pattern = 0;
    std::memcpy(&pattern, "011", 4);
    ZELMAR_FLAGROW shrunk(64);
    ASSERT_EQ(shrunk.impUL(32, 63, &pattern, 1), 0u);
    shrunk.resize(32);
    shrunk.nado(8, reinterpret_cast<const char*>(shrunk.data() + 1));
    EXPECT_EQ(bits(shrunk), "01101101");

    ZELMAR_FLAGROW emptied(64);
    ASSERT_EQ(emptied.impUL(32, 63, &pattern, 1), 0u);
    emptied.impStr("1", 1);
    ASSERT_EQ(emptied.razmer(), 0u);
    emptied.nado(8, reinterpret_cast<const char*>(emptied.data() + 1));
    EXPECT_EQ(bits(emptied), "01101101");
}

}  // namespace
}  // namespace zf_test
