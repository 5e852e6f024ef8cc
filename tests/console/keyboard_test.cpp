// The readers behind every prompt: numbers written as source-code constants,
// bit fields, answers, and what they do with odd bytes and the end of input.
#include <gtest/gtest.h>
#include <keyboard.h>

#include <sstream>
#include <string>

namespace {

struct Typed {
    explicit Typed(std::string text) : in(std::move(text)), keys(in, out) {}
    std::string rest() {
        std::string r;
        std::getline(in, r, '\0');
        return r;
    }
    std::istringstream in;
    std::ostringstream out;
    Keyboard keys;
};

std::uint32_t numberOf(const std::string& text) {
    Typed typed(text);
    std::uint32_t value = 12345;
    EXPECT_TRUE(typed.keys.number(value)) << text;
    return value;
}

TEST(KeyboardNumber, TakesTheBaseFromThePrefix) {
    EXPECT_EQ(numberOf("20050405"), 20050405u);
    EXPECT_EQ(numberOf("  \n\t 0x1F"), 31u);
    EXPECT_EQ(numberOf("0XfF"), 255u);
    EXPECT_EQ(numberOf("017"), 15u);
    EXPECT_EQ(numberOf("+7"), 7u);
    EXPECT_EQ(numberOf("0"), 0u);
}

TEST(KeyboardNumber, NegativeAndLongEntriesWrapAt32Bits) {
    EXPECT_EQ(numberOf("-1"), 4294967295u);
    EXPECT_EQ(numberOf("-0x10"), 0xFFFFFFF0u);
    EXPECT_EQ(numberOf("4294967296"), 0u);
    // 10^40 mod 2^32, worked out as 10^40 = 2^40 * 5^40: a multiple of 2^32.
    EXPECT_EQ(numberOf("10000000000000000000000000000000000000000"), 0u);
    EXPECT_EQ(numberOf("1234567890123456789012345678901234567890"), 3460238034u);
}

TEST(KeyboardNumber, StopsAtTheFirstCharacterThatIsNoDigitOfItsBase) {
    Typed octal("0189");
    std::uint32_t value = 7;
    ASSERT_TRUE(octal.keys.number(value));
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(octal.rest(), "89");

    Typed zero("08 x");
    ASSERT_TRUE(zero.keys.number(value));
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(zero.rest(), "8 x");

    Typed two("12 34");
    ASSERT_TRUE(two.keys.number(value));
    EXPECT_EQ(two.rest(), " 34");
}

TEST(KeyboardNumber, NoNumberKeepsTheValueAndDropsTheLine) {
    using namespace std::string_literals;
    for (const std::string& text :
         {"abc def\nnext"s, "-x\nnext"s, "0xg\nnext"s, "\0 1\nnext"s, "\xff\x80 9\nnext"s}) {
        Typed typed(text);
        std::uint32_t value = 42;
        EXPECT_FALSE(typed.keys.number(value));
        EXPECT_EQ(value, 42u);
        EXPECT_TRUE(typed.in.good());
        EXPECT_EQ(typed.rest(), "next");
    }
}

TEST(KeyboardNumber, EndOfInputWhereADigitIsDueLeaves) {
    for (const char* text : {"", "   \n", "-", "0x"}) {
        Typed typed(text);
        std::uint32_t value = 0;
        EXPECT_THROW(typed.keys.number(value), LeaveScript) << '[' << text << ']';
    }
}

TEST(KeyboardBitField, SkipsWhiteSpaceAndConsumesTheEndingCharacter) {
    Typed typed("1 0\n 1\t1x2");
    char field[256];
    typed.keys.bitField(field, sizeof field);
    EXPECT_STREQ(field, "1011");
    EXPECT_EQ(typed.rest(), "2");
}

TEST(KeyboardBitField, TakesAtMost255DigitsAndLeavesTheNext) {
    Typed typed(std::string(255, '1') + "0.");
    char field[256];
    typed.keys.bitField(field, sizeof field);
    EXPECT_EQ(std::string(field), std::string(255, '1'));
    EXPECT_EQ(typed.rest(), "0.");
}

TEST(KeyboardBitField, NulAndHighBytesEndTheField) {
    using namespace std::string_literals;
    for (const std::string& text : {"12\0\x33"s, "12\xb0\x33"s}) {
        Typed typed(text);
        char field[256];
        typed.keys.bitField(field, sizeof field);
        EXPECT_STREQ(field, "12");
        EXPECT_EQ(typed.rest(), "3");
    }
}

TEST(KeyboardBitField, EndOfInputLeaves) {
    Typed typed("101");
    char field[256];
    EXPECT_THROW(typed.keys.bitField(field, sizeof field), LeaveScript);
}

TEST(KeyboardKey, TakesOneCharacterAfterWhiteSpace) {
    Typed typed(" \t\n\n21");
    EXPECT_EQ(typed.keys.key(), '2');
    EXPECT_EQ(typed.rest(), "1");
    Typed empty(" \n");
    EXPECT_THROW(empty.keys.key(), LeaveScript);
}

}  // namespace
