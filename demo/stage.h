// Everything the script of sections works on: the thirteen vectors named as
// the printed code lines name them, the receiving buffers, the typed bit
// numbers, and the few steps every section shares.
#ifndef ZELMAR_FLAGROW_DEMO_STAGE_H
#define ZELMAR_FLAGROW_DEMO_STAGE_H

#include <ZELMAR_FLAGROW.h>

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "keyboard.h"
#include "screen.h"

/// Bit count of the constructor demonstrations.
inline constexpr int kVSEGO = 8;
/// Capacity of every receiving buffer: characters of a text, or 32-bit words.
inline constexpr std::uint32_t kRAZMER_BUFF = 256;
/// The pattern of the text constructors: 68 characters, whatever its name says.
inline constexpr const char* snSTROKA70 =
    "11110000111100001111000011110000111100001111000011110000111100001111";

/// How many bits an operation takes: all of them, bit i, or bits i to j.
enum class Reach { all, one, range };

/// The bits a section asks for and its questions; a question it does not ask stays null.
struct BitQuestions {
    Reach reach = Reach::all;
    const char* first = nullptr;  // the question for i, or for the start of the range
    const char* last = nullptr;   // the question for the end of the range
};

/// What an import section shows for an empty field: an empty block, or the error of code 1.
enum class EmptyField { shown, refused };

struct Stage {
    /// Empty vectors and buffers; nothing is written or read yet.
    Stage(std::istream& in, std::ostream& out) : screen(out), keyboard(in, out) {}

    /// Asks whether to repeat, go on or leave: true for the answer 2. Throws LeaveScript for 0.
    bool askChoice();
    /// Reads a bit field into snBuff and ends the line.
    void readBitField();
    /// Asks for a bit field (`intro` and the example), imports it into `v` and shows it under
    /// `heading` and `code`. An empty field is shown or refused (code 1) as `empty` says.
    void importField(const char* intro, Quandrelissa::ZELMAR_FLAGROW& v, const char* heading,
                     const char* code, EmptyField empty);
    /// Reads a number into `value`; an entry that is no number keeps it and says so.
    void readNumber(std::uint32_t& value);
    /// Asks for bit i, or bits i and j, and checks them against `bound`: a number past it is
    /// reported and replaced by `replacement`, a reversed range put in order. `highest`, when
    /// given, follows each question.
    void askBits(const BitQuestions& questions, std::uint32_t bound, std::uint32_t replacement,
                 std::optional<std::uint32_t> highest);

    /// The text of `v`, exported into `buff`; one too long for it is shown whole all the same.
    /// Valid until the next call. Throws code 1 for an empty vector.
    std::string_view textOf(const Quandrelissa::ZELMAR_FLAGROW& v, char* buff);
    /// The labelled vector line "name == text", exporting `v` into `buff` first.
    void showVector(const char* label, const Quandrelissa::ZELMAR_FLAGROW& v, char* buff,
                    LineEnd end = LineEnd::inGroup);

    /// Where every line goes.
    Screen screen;
    /// Where every answer comes from.
    Keyboard keyboard;

    /// The demonstration's vectors, destroyed in reverse order: vb13 first.
    Quandrelissa::ZELMAR_FLAGROW vb1, vb2, vb3, vb4, vb5, vb6, vb7, vb8, vb9, vb10, vb11, vb12,
        vb13;
    /// The typed bit field, the first vector shown, and the answer to the choice prompt.
    char snBuff[kRAZMER_BUFF] = {};
    /// The second vector shown at once, or the one just imported.
    char snBuff2[kRAZMER_BUFF] = {};
    /// The third vector shown at once.
    char snBuff3[kRAZMER_BUFF] = {};
    /// The word-array form on its way out of one vector and into another.
    std::uint32_t iulBuff[kRAZMER_BUFF] = {};
    /// The size the last size query answered.
    std::uint32_t ret = 0;
    /// The typed bit numbers; i also takes each comparison's and query's answer.
    std::uint32_t i = 0;
    std::uint32_t j = 0;

private:
    void askIndex(const char* question, const char* name, std::uint32_t& value,
                  std::optional<std::uint32_t> highest);
    void checkIndex(std::uint32_t bound, std::uint32_t replacement);
    void checkRange(std::uint32_t bound, std::uint32_t replacement);

    std::string longText_;
};

#endif  // ZELMAR_FLAGROW_DEMO_STAGE_H
