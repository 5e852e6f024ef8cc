// The stream operators against stream buffers that throw or refuse, held to the rules of the
// standard formatted input and output: an exception from the buffer sets badbit and goes on
// only when badbit is among exceptions(), and a failed read leaves the vector as it was.
#include <gtest/gtest.h>

#include <cstddef>
#include <ios>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <utility>

#include "ZELMAR_FLAGROW.h"

using Quandrelissa::ZELMAR_FLAGROW;

namespace {

// Serves `text` one character at a time and throws when asked for the character at `failAt`.
class ThrowingSource : public std::streambuf {
public:
    ThrowingSource(std::string served, std::size_t failing)
        : text(std::move(served)), failAt(failing) {}

protected:
    int_type underflow() override {
        if (next == failAt) throw std::runtime_error("source failed");
        return next < text.size() ? traits_type::to_int_type(text[next]) : traits_type::eof();
    }
    int_type uflow() override {
        const int_type c = underflow();
        if (!traits_type::eq_int_type(c, traits_type::eof())) ++next;
        return c;
    }

private:
    std::string text;
    std::size_t failAt;
    std::size_t next = 0;
};

// Takes `room` characters and then throws, or, when `refuse` is set, takes no more.
class FailingSink : public std::streambuf {
public:
    FailingSink(std::size_t capacity, bool refusing) : room(capacity), refuse(refusing) {}
    std::string taken;

protected:
    int_type overflow(int_type c) override {
        if (taken.size() == room) {
            if (refuse) return traits_type::eof();
            throw std::runtime_error("sink failed");
        }
        taken.push_back(traits_type::to_char_type(c));
        return c;
    }

private:
    std::size_t room;
    bool refuse;
};

const ZELMAR_FLAGROW kLong(std::string_view(std::string(5000, '1') + "01"));

TEST(StreamInputFromAFailingBuffer, SetsBadbitAndKeepsTheVector) {
    ThrowingSource source(std::string(300, '1') + " 01", 120);
    std::istream in(&source);
    ZELMAR_FLAGROW v("0110");
    EXPECT_NO_THROW(in >> v);
    EXPECT_TRUE(in.bad());
    EXPECT_EQ(v.to_string(), "0110");
}

TEST(StreamInputFromAFailingBuffer, RethrowsOnlyWhenBadbitIsAnException) {
    ThrowingSource source(std::string(300, '1'), 120);
    std::istream in(&source);
    in.exceptions(std::ios_base::badbit);
    ZELMAR_FLAGROW v("0110");
    EXPECT_THROW(in >> v, std::runtime_error);
    EXPECT_TRUE(in.bad());
    EXPECT_EQ(v.to_string(), "0110");

    ThrowingSource again(std::string(300, '1'), 120);
    std::istream failing(&again);
    failing.exceptions(std::ios_base::failbit);
    EXPECT_NO_THROW(failing >> v);
    EXPECT_TRUE(failing.bad());
}

TEST(StreamInputFromAFailingBuffer, FailureBeforeTheTokenIsAlsoBad) {
    ThrowingSource source("  101", 0);
    std::istream in(&source);
    ZELMAR_FLAGROW v("0110");
    EXPECT_NO_THROW(in >> v);
    EXPECT_TRUE(in.bad());
    EXPECT_EQ(v.to_string(), "0110");
}

TEST(StreamOutputToAFailingBuffer, SetsBadbitAndRethrowsOnlyWhenAsked) {
    for (const bool refuse : {false, true}) {
        SCOPED_TRACE(refuse ? "refusing" : "throwing");
        FailingSink quiet(4100, refuse);
        std::ostream out(&quiet);
        EXPECT_NO_THROW(out << kLong);
        EXPECT_TRUE(out.bad());
        EXPECT_EQ(quiet.taken, std::string(4100, '1'));

        FailingSink loud(10, refuse);
        std::ostream asking(&loud);
        asking.exceptions(std::ios_base::badbit);
        if (refuse)
            EXPECT_THROW(asking << kLong, std::ios_base::failure);
        else
            EXPECT_THROW(asking << kLong, std::runtime_error);
        EXPECT_TRUE(asking.bad());
    }
}

TEST(StreamOutputToAFailingBuffer, WritesNothingIntoABadStream) {
    FailingSink sink(100, true);
    std::ostream out(&sink);
    out.setstate(std::ios_base::badbit);
    out << ZELMAR_FLAGROW("0110");
    EXPECT_EQ(sink.taken, "");
}

}  // namespace
