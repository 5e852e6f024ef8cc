// The console program with each of its allocations failing in turn: whatever
// fails, the user gets the error report and the final wait, and the program
// ends with status 0 without a leak.
#include <gtest/gtest.h>

#include <console.h>

#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>

#include "console_session.h"
#include "failing_new.h"

namespace {

// Output into storage reserved beforehand, so that writing allocates nothing
// and only the program's own allocations are counted and failed.
class ReservedOutput : public std::streambuf {
public:
    explicit ReservedOutput(std::string& text) : text_(text) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (text_.size() == text_.capacity()) return traits_type::eof();
        text_.push_back(traits_type::to_char_type(c));
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        std::streamsize k = 0;
        for (; k < n && text_.size() < text_.capacity(); ++k) text_.push_back(s[k]);
        return k;
    }

private:
    std::string& text_;
};

struct ScriptRun {
    int status = -1;
    bool escaped = false;
    bool fired = false;
    bool leaked = false;
    std::uint64_t allocations = 0;  // made by the program itself
    std::string output;
};

constexpr std::uint64_t kNoFailure = ~std::uint64_t{0};

// Runs the whole script on `input` with allocation `n` failing.
ScriptRun runFailing(const std::string& input, std::uint64_t n) {
    ScriptRun r;
    r.output.reserve(std::size_t{1} << 20);
    std::istringstream in(input);
    ReservedOutput buffer(r.output);
    std::ostream out(&buffer);
    const std::int64_t liveBefore = zf_fault::liveBlocks();
    zf_fault::resetCount();
    {
        zf_fault::FailNth guard(n);
        try {
            r.status = runConsole(in, out);
        } catch (...) {
            r.escaped = true;
        }
        r.fired = zf_fault::fired();
        r.allocations = zf_fault::allocations();
    }
    r.leaked = zf_fault::liveBlocks() != liveBefore;
    return r;
}

// The patient user's own input, and one whose 255-digit field makes the operator
// sections show vectors too long for the 256-character buffers.
std::string inputWithField(std::size_t digits) {
    auto entries = zf_reliability::patientUser();
    if (digits != 0) entries[3].typed = std::string(digits, '1');  // full: no end mark
    return zf_reliability::typedInput(entries);
}

class ConsoleOutOfMemory : public testing::TestWithParam<std::size_t> {};

TEST_P(ConsoleOutOfMemory, EveryFailedAllocationEndsInTheErrorReport) {
    const std::string input = inputWithField(GetParam());
    // The first run also pays for what the standard library sets up once.
    (void)runFailing(input, kNoFailure);
    const ScriptRun clean = runFailing(input, kNoFailure);
    const std::uint64_t total = clean.allocations;
    ASSERT_EQ(clean.status, 0);
    ASSERT_TRUE(zf_reliability::endsWithFinalWait(clean.output));
    ASSERT_GT(total, 0u);

    for (std::uint64_t n = 0; n < total; ++n) {
        SCOPED_TRACE("failing allocation " + std::to_string(n) + " of " + std::to_string(total));
        const ScriptRun r = runFailing(input, n);
        ASSERT_TRUE(r.fired);
        EXPECT_FALSE(r.escaped) << "an exception left the program";
        EXPECT_EQ(r.status, 0);
        EXPECT_FALSE(r.leaked);
        // Every allocation of the script is the library's, so none may end in "ERROR2".
        EXPECT_TRUE(zf_reliability::endsWithErrorReport(r.output, 6))
            << "no report of code 6 at the end of:\n"
            << zf_reliability::tailOf(r.output, 300);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, ConsoleOutOfMemory, testing::Values(0u, 255u));

}  // namespace
