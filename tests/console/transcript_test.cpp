// The whole dialogue, compared with transcripts written from the intended
// behaviour: each scenario feeds NAME.in and expects NAME.out.
#include <console.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "read_file.h"
#include "transcript.h"

namespace {

const std::filesystem::path kDir = ZF_TRANSCRIPTS;

class Transcript : public testing::TestWithParam<const char*> {};

TEST_P(Transcript, RunInProcessMatches) {
    std::istringstream in(zf_test::readFile(kDir / (std::string(GetParam()) + ".in")));
    std::ostringstream out;
    EXPECT_EQ(runConsole(in, out), 0);
    EXPECT_EQ(
        compareTranscript(loadTranscript(kDir / (std::string(GetParam()) + ".out")), out.str()),
        "");
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Transcript,
                         testing::Values("full_run", "quit_first", "quit_late", "repeats", "fields",
                                         "field_255", "field_256", "empty_fields",
                                         "empty_field_queries", "number_hex", "number_negative",
                                         "not_a_number", "bit_numbers", "long_vectors",
                                         "end_at_choice", "end_in_field", "end_at_number",
                                         "end_at_final_wait"),
                         [](const testing::TestParamInfo<const char*>& scenario) {
                             return std::string(scenario.param);
                         });

TEST(Program, WritesUtf8UnderUtf8Locale) {
    const auto [status, output] = runProgram("LC_ALL=C.UTF-8", kDir / "full_run.in");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(compareTranscript(loadTranscript(kDir / "full_run.out"), output), "");
}

TEST(Program, WritesUtf8UnderAsciiLocale) {
    const auto [status, output] = runProgram("LC_ALL=C", kDir / "quit_first.in");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(compareTranscript(loadTranscript(kDir / "quit_first.out"), output), "");
}

}  // namespace
