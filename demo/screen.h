// The forms in which the demonstration writes its lines. Each newline is
// std::endl, a line end and a flush, so the console never lags the script.
#ifndef ZELMAR_FLAGROW_DEMO_SCREEN_H
#define ZELMAR_FLAGROW_DEMO_SCREEN_H

#include <ostream>
#include <string_view>

/// Whether a line is the last of its group, which an empty line then closes.
enum class LineEnd { inGroup, closesGroup };

class Screen {
public:
    explicit Screen(std::ostream& out) : out_(out) {}

    /// A constant text, converted for the console, then `newlines` newlines.
    void text(const char* s, int newlines = 0);
    /// A comment line: "// ..." explaining the next step.
    void comment(const char* s, int newlines = 1) { text(s, newlines); }
    /// The statement a section performs, as source text.
    void code(const char* s) { text(s, 1); }
    /// A line that asks for input.
    void prompt(const char* s) { text(s, 1); }
    /// A vector's text alone on its line.
    void vectorLine(std::string_view bits) {
        out_ << bits;
        newline();
    }
    /// A vector's text, then an empty line.
    void vectorBlock(std::string_view bits) {
        out_ << bits;
        newline(2);
    }
    /// "label" and a vector's text; an extra newline ends the last line of a group.
    void labelled(const char* label, std::string_view bits, LineEnd end = LineEnd::inGroup);
    /// A number in decimal, signed or unsigned as its type is.
    template <class Number>
    void number(Number n, int newlines = 0) {
        out_ << n;
        newline(newlines);
    }
    /// `count` newlines.
    void newline(int count = 1);
    /// ">", where the user types on the same line.
    void inputMarker() { out_ << '>'; }

private:
    std::ostream& out_;
};

#endif  // ZELMAR_FLAGROW_DEMO_SCREEN_H
