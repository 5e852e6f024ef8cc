// Whatever the program has written must reach the console before it reads:
// an output that holds its text until flushed, and an input that looks at it
// before handing over each character.
#include <console.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

#include "read_file.h"

namespace {

class HeldOutput : public std::streambuf {
public:
    std::string held, shown;

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) held += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    int sync() override {
        shown += held;
        held.clear();
        return 0;
    }
};

/// Hands over one character at a time and counts the reads that found text still held.
class WatchingInput : public std::streambuf {
public:
    WatchingInput(std::string text, const HeldOutput& out) : text_(std::move(text)), out_(out) {}
    int unflushedReads = 0;
    std::string lastUnflushed;

protected:
    int_type underflow() override {
        if (at_ == text_.size()) return traits_type::eof();
        if (!out_.held.empty()) {
            ++unflushedReads;
            lastUnflushed = out_.held;
        }
        current_ = text_[at_++];
        setg(&current_, &current_, &current_ + 1);
        return traits_type::to_int_type(current_);
    }

private:
    std::string text_;
    std::size_t at_ = 0;
    const HeldOutput& out_;
    char current_ = 0;
};

TEST(Flush, EveryReadFindsTheQuestionAlreadyShown) {
    HeldOutput held;
    WatchingInput watching(zf_test::readFile(std::filesystem::path(ZF_TRANSCRIPTS) / "full_run.in"),
                           held);
    std::istream in(&watching);
    std::ostream out(&held);
    runConsole(in, out);
    EXPECT_EQ(watching.unflushedReads, 0) << "text held back at a read: " << watching.lastUnflushed;
    EXPECT_NE(held.shown.find("OK"), std::string::npos);
}

}  // namespace
