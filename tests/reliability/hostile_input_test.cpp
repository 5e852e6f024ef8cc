// Input no user should type: it ends anywhere, is no number where one is due,
// carries NUL and high bytes, or is absurdly long. The program must always come
// to an end with status 0, saying what its choices say it says.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "console_session.h"

namespace {

using zf_reliability::Entry;
using zf_reliability::occurrences;
using zf_reliability::patientUser;
using zf_reliability::runSession;
using zf_reliability::Session;
using zf_reliability::typedInput;

void expectCleanEnd(const Session& s) {
    EXPECT_FALSE(s.escaped) << "an exception left the program";
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.output.find("ERROR2"), std::string::npos) << "a fault of the program's own";
}

std::vector<std::size_t> positionsOf(const std::vector<Entry>& entries, Entry::Kind kind) {
    std::vector<std::size_t> at;
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (entries[k].kind == kind) at.push_back(k);
    return at;
}

TEST(PatientUser, WalksTheWholeScriptToTheFinalWait) {
    const Session s = runSession(typedInput(patientUser()));
    expectCleanEnd(s);
    EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
    EXPECT_EQ(occurrences(s.output, "vb1.impStr(snBuff);"), 2u);
}

TEST(EndOfInput, AtEveryReadLeavesAtOnceWithStatusZero) {
    const std::vector<Entry> all = patientUser();
    for (std::size_t k = 0; k < all.size(); ++k) {
        SCOPED_TRACE("input ends before entry " + std::to_string(k));
        const std::vector<Entry> head(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(k));
        const Session s = runSession(typedInput(head));
        expectCleanEnd(s);
        // Nothing is written after the question left unanswered: the input marker,
        // "i = " or "j = ", the choice prompt, or the final wait's "OK".
        if (all[k].kind == Entry::Kind::finalWait) {
            EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
        } else {
            EXPECT_TRUE(s.output.ends_with(">") || s.output.ends_with("> ") ||
                        s.output.ends_with(" = "))
                << "ends with: " << zf_reliability::tailOf(s.output, 40);
        }
    }
}

TEST(EndOfInput, InsideAnEntryLeavesAtOnce) {
    for (const char* cut :
         {"10", "1 0 1", "1011.\n", "1011.\n1\n0x", "1011.\n1\n-", "1011.\n1\n0"}) {
        SCOPED_TRACE(cut);
        const Session s = runSession(cut);
        expectCleanEnd(s);
        EXPECT_FALSE(zf_reliability::endsWithFinalWait(s.output));
    }
}

TEST(NotANumber, AtEveryNumberPromptIsPassedOverAndTheScriptGoesOn) {
    const std::vector<Entry> all = patientUser();
    for (std::size_t k : positionsOf(all, Entry::Kind::number)) {
        for (const char* junk : {"abc", "-", "0x", "+-5", "\x80\xff"}) {
            SCOPED_TRACE("entry " + std::to_string(k) + " typed as " + junk);
            std::vector<Entry> entries = all;
            entries[k].typed = junk;
            const Session s = runSession(typedInput(entries));
            expectCleanEnd(s);
            EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
            // The rest of the line is dropped, so no later answer lands on the wrong read.
            EXPECT_EQ(occurrences(s.output, "vb2.otkl(i, j);"), 1u);
            EXPECT_EQ(occurrences(s.output, "vb1.impStr(snBuff);"), 2u);
        }
    }
}

TEST(NotANumber, ForTheSixfoldNumberKeepsItsStartingZero) {
    std::vector<Entry> entries = patientUser();
    entries[positionsOf(entries, Entry::Kind::number).front()].typed = "x20050405";
    const Session s = runSession(typedInput(entries));
    expectCleanEnd(s);
    EXPECT_NE(s.output.find('\n' + std::string(192, '0') + '\n'), std::string::npos);
}

TEST(NotANumber, AtTheFinalWaitEndsIt) {
    std::vector<Entry> entries = patientUser();
    // A string built whole: GCC 12 for s390x takes assigning a literal over an existing string
    // for an overlapping copy (-Wrestrict inside the standard library).
    entries.back().typed = std::string(1, 'x');
    const Session s = runSession(typedInput(entries));
    expectCleanEnd(s);
    EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
}

TEST(StrangeBytes, InAFieldEndItLikeAnyOtherNonDigit) {
    std::vector<Entry> entries = patientUser();
    entries[0].typed = std::string(
        "10\0"
        "1",
        4);  // field 10; the 1 answers the choice
    entries.erase(entries.begin() + 1);
    entries[2].typed =
        "\xd0\x9f"
        "1";  // no digit first: an empty field, then code 1
    const Session s = runSession(typedInput(entries));
    expectCleanEnd(s);
    EXPECT_NE(s.output.find("\n10\n"), std::string::npos) << "the field before the NUL";
    EXPECT_TRUE(zf_reliability::endsWithErrorReport(s.output, 1));
}

TEST(StrangeBytes, AsAnswersGoOnToTheNextSection) {
    std::vector<Entry> entries = patientUser();
    const std::string answers[] = {std::string(1, '\0'), "\x80", "\xff", "\x9f", "\x01"};
    std::size_t n = 0;
    for (std::size_t k : positionsOf(entries, Entry::Kind::choice))
        entries[k].typed = answers[n++ % std::size(answers)];
    const Session s = runSession(typedInput(entries));
    expectCleanEnd(s);
    EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
    EXPECT_EQ(occurrences(s.output, "vb1.impStr(snBuff);"), 2u) << "a section was repeated";
}

TEST(Oversized, TenMegabyteFieldKeepsTwoHundredFiftyFiveDigits) {
    // The 256th digit answers the choice; the rest is one huge number for the next read.
    const std::vector<Entry> entries = patientUser();
    const Session s = runSession(std::string(10u << 20, '1') + '\n' +
                                 typedInput({entries.begin() + 3, entries.end()}));
    expectCleanEnd(s);
    EXPECT_NE(s.output.find('\n' + std::string(255, '1') + '\n'), std::string::npos);
    EXPECT_EQ(s.output.find(std::string(256, '1')), std::string::npos);
    EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
}

TEST(Oversized, AHundredThousandRepeatsOfASection) {
    std::vector<Entry> entries = patientUser();
    const std::size_t firstBitPrompt = positionsOf(entries, Entry::Kind::number)[1];
    std::string input = typedInput(
        {entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(firstBitPrompt)});
    for (int k = 0; k < 100000; ++k) input += "5\n2\n";
    input +=
        typedInput({entries.begin() + static_cast<std::ptrdiff_t>(firstBitPrompt), entries.end()});
    const Session s = runSession(input);
    expectCleanEnd(s);
    EXPECT_EQ(occurrences(s.output, "vb2.vkl(i);"), 100001u);
    EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
}

TEST(Oversized, FortyDigitNumbersWrapAtThirtyTwoBits) {
    std::vector<Entry> entries = patientUser();
    const auto numbers = positionsOf(entries, Entry::Kind::number);
    for (std::size_t k : numbers) entries[k].typed = "1234567890123456789012345678901234567890";
    const Session s = runSession(typedInput(entries));
    expectCleanEnd(s);
    EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
    // The number wraps to 3460238034, 0xCE3FD8D2: its 32 bits, lowest first.
    EXPECT_NE(s.output.find("01001011010100001111110001110011"), std::string::npos);
    EXPECT_GE(occurrences(s.output, "3460238034"), 3u) << "the refused bit numbers are shown";
}

TEST(Oversized, MegabyteLinesAreSkippedOrDiscarded) {
    std::vector<Entry> entries = patientUser();
    const std::string blanks(1u << 20, ' ');
    const std::string junk(1u << 20, 'x');
    entries[0].typed = blanks + entries[0].typed;          // skipped before a field
    entries[1].typed = blanks + "1";                       // skipped before an answer
    entries[2].typed = junk;                               // a number that is none
    entries[5].typed = std::string(1u << 20, '\t') + "1";  // and before another
    const Session s = runSession(typedInput(entries));
    expectCleanEnd(s);
    EXPECT_TRUE(zf_reliability::endsWithFinalWait(s.output));
}

}  // namespace
