#include "keyboard.h"

#include <istream>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr auto kEnd = std::char_traits<char>::eof();

bool isBlank(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

/// The value of `c` as a digit of `base`, or -1. Bytes above 0x7F and NUL are no digits.
int digitOf(int c, unsigned base) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d >= 0 && static_cast<unsigned>(d) < base ? d : -1;
}

}  // namespace

char Keyboard::next() {
    const int c = in_.get();
    if (c == kEnd) throw LeaveScript{};
    return static_cast<char>(c);
}

char Keyboard::peek() {
    const int c = in_.peek();
    if (c == kEnd) throw LeaveScript{};
    return static_cast<char>(c);
}

void Keyboard::skipBlanks() {
    while (isBlank(in_.peek())) in_.get();
}

char Keyboard::key() {
    out_.flush();
    skipBlanks();
    return next();
}

bool Keyboard::number(std::uint32_t& value) {
    out_.flush();
    skipBlanks();
    const char sign = peek();
    if (sign == '+' || sign == '-') in_.get();

    unsigned base = 10;
    if (peek() == '0') {
        in_.get();
        const int after = in_.peek();
        if (after == 'x' || after == 'X') {
            in_.get();
            base = 16;
        } else if (digitOf(after, 8) < 0) {
            // A lone 0 is a whole number; what follows it is left for the next read.
            value = 0;
            return true;
        } else {
            base = 8;
        }
    }
    if (digitOf(peek(), base) < 0) {
        in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return false;
    }

    std::uint32_t v = 0;  // wraps at 32 bits, as the typed constant would in the code
    for (int d; (d = digitOf(in_.peek(), base)) >= 0; in_.get())
        v = v * base + static_cast<std::uint32_t>(d);
    value = sign == '-' ? 0u - v : v;
    return true;
}

void Keyboard::bitField(char* field, std::size_t capacity) {
    out_.flush();
    std::size_t n = 0;
    for (;;) {
        skipBlanks();
        const char c = next();
        field[n] = c;
        if (c < '0' || c > '9' || ++n == capacity - 1) break;
    }
    field[n] = '\0';
}
