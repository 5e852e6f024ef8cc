// What the user types: one answer character, a number written the way
// integer constants are written in source code, and a bit field.
#ifndef ZELMAR_FLAGROW_DEMO_KEYBOARD_H
#define ZELMAR_FLAGROW_DEMO_KEYBOARD_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>

/// Thrown to end the script at once: the answer 0, or no input left where some is due.
struct LeaveScript {};

/// Reads the user's entries from `in`, flushing `out` first so the question is on the screen.
class Keyboard {
public:
    Keyboard(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

    /// The next character that is not white space. Throws LeaveScript at the end of the input.
    char key();
    /// Reads an optionally signed decimal, 0x hex or 0 octal number, wrapping at 32 bits. False
    /// when the entry is no number: `value` is kept and the rest of the line is dropped.
    /// Throws LeaveScript when the input ends where a character is due.
    bool number(std::uint32_t& value);
    /// Reads up to `capacity` - 1 digits into `field` (NUL-ended), white space between them
    /// skipped; the first other character ends the field and is consumed. Throws LeaveScript.
    void bitField(char* field, std::size_t capacity);

private:
    /// The next byte, or LeaveScript when there is none.
    char next();
    /// The next byte without taking it, or LeaveScript when there is none.
    char peek();
    /// Skips blanks, tabs and line ends.
    void skipBlanks();

    std::istream& in_;
    std::ostream& out_;
};

#endif  // ZELMAR_FLAGROW_DEMO_KEYBOARD_H
