#include "screen.h"

#include "oem.h"

void Screen::text(const char* s, int newlines) {
    // A text too long for snOemBuff goes out in pieces rather than cut short.
    do out_ << toOem(s, snOemBuff, &s);
    while (*s != '\0');
    newline(newlines);
}

void Screen::labelled(const char* label, std::string_view bits, LineEnd end) {
    text(label);
    out_ << bits;
    newline(end == LineEnd::closesGroup ? 2 : 1);
}

void Screen::newline(int count) {
    for (int k = 0; k < count; ++k) out_ << std::endl;
}
