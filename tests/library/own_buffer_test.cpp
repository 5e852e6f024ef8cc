// A buffer that is the vector's own storage, or part of it: every member reads it as it was
// before the call, as if it had been copied aside first.
#include <gtest/gtest.h>

#include <cstdint>
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

// The storage bytes as characters: word 0x31303130 reads "0101", and a clear word ends the text.
TEST(OwnCharacters, TextAndPatternFromTheStorageAreReadBeforeItChanges) {
    const std::uint32_t words[] = {0x31303130u, 0x30313131u, 0u};
    ZELMAR_FLAGROW text(3000);
    ASSERT_EQ(text.impUL(0, 95, words, 3), 0u);
    text.impStr(reinterpret_cast<const char*>(text.data()));
    EXPECT_EQ(bits(text), "01011110");

    ZELMAR_FLAGROW pattern(96);
    ASSERT_EQ(pattern.impUL(words, 3), 0u);
    pattern.nado(20, reinterpret_cast<const char*>(pattern.data()), 6);
    EXPECT_EQ(bits(pattern), "01011101011101011101");
}

}  // namespace
}  // namespace zf_test
