#include "script.h"
#include "stage.h"

using Quandrelissa::ZELMAR_FLAGROW;

namespace {

/// Every section works on vb2 re-sized to this many bits.
constexpr std::uint32_t kBITOV = 70;
constexpr std::uint32_t kLAST = kBITOV - 1;

struct BitSection {
    const char* comment;
    void (*refill)(ZELMAR_FLAGROW&);
    BitQuestions questions;
    const char* code;
    void (*call)(ZELMAR_FLAGROW&, std::uint32_t i, std::uint32_t j);
};

void zeros(ZELMAR_FLAGROW& v) { v.nado(kBITOV, 0); }
void ones(ZELMAR_FLAGROW& v) { v.nado(kBITOV, 1); }
void triples(ZELMAR_FLAGROW& v) { v.nado(kBITOV, "000111", 0); }

const BitSection kSections[] = {
    {.comment = "// Включить все биты.",
     .refill = zeros,
     .questions = {.reach = Reach::all},
     .code = "vb2.vkl(); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { v.vkl(); }},
    {.comment = "// Включить указаный бит.",
     .refill = zeros,
     .questions = {.reach = Reach::one, .first = "Введите номер бита, для включения, от 0 до "},
     .code = "vb2.vkl(i); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t) { v.vkl(i); }},
    {.comment = "// Включить диапазон бит. (НАЧАЛЬНЫЙ меньше или равен КОНЕЧНОМУ)",
     .refill = zeros,
     .questions = {.reach = Reach::range,
                   .first = "Введите номер НАЧАЛЬНОГО бита, для включения, от 0 до ",
                   .last = "Введите номер КОНЕЧНОГО бита, для включения, от 0 до "},
     .code = "vb2.vkl(i, j); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t j) { v.vkl(i, j); }},
    {.comment = "// Отключить все биты.",
     .refill = ones,
     .questions = {.reach = Reach::all},
     .code = "vb2.otkl(); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { v.otkl(); }},
    {.comment = "// Отключить указаный бит.",
     .refill = ones,
     .questions = {.reach = Reach::one, .first = "Введите номер бита, для Отключения, от 0 до "},
     .code = "vb2.otkl(i); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t) { v.otkl(i); }},
    {.comment = "// Отключить диапазон бит. (НАЧАЛЬНЫЙ меньше или равен КОНЕЧНОМУ)",
     .refill = ones,
     .questions = {.reach = Reach::range,
                   .first = "Введите номер НАЧАЛЬНОГО бита, для Отключения, от 0 до ",
                   .last = "Введите номер КОНЕЧНОГО бита, для Отключения, от 0 до "},
     .code = "vb2.otkl(i, j); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t j) { v.otkl(i, j); }},
    {.comment = "// Инвертировать (перевернуть) все биты.",
     .refill = triples,
     .questions = {.reach = Reach::all},
     .code = "vb2.invert(); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { v.invert(); }},
    {.comment = "// Инвертировать (перевернуть) указаный бит.",
     .refill = triples,
     .questions = {.reach = Reach::one, .first = "Введите номер бита, для переворота, от 0 до "},
     .code = "vb2.invert(i); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t) { v.invert(i); }},
    {.comment = "// Инвертировать диапазон бит. (НАЧАЛЬНЫЙ меньше или равен КОНЕЧНОМУ)",
     .refill = triples,
     .questions = {.reach = Reach::range,
                   .first = "Введите номер НАЧАЛЬНОГО бита, для переворота, от 0 до ",
                   .last = "Введите номер КОНЕЧНОГО бита, для переворота, от 0 до "},
     .code = "vb2.invert(i, j); // Проведённая операция, ниже результат.",
     .call = [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t j) { v.invert(i, j); }},
};

void runSection(Stage& s, const BitSection& section) {
    do {
        s.screen.comment(section.comment);
        section.refill(s.vb2);
        s.showVector("vb2 == ", s.vb2, s.snBuff);
        s.askBits(section.questions, kBITOV, kLAST, kLAST);
        s.screen.code(section.code);
        section.call(s.vb2, s.i, s.j);
        s.showVector("vb2 == ", s.vb2, s.snBuff, LineEnd::closesGroup);
    } while (s.askChoice());
}

}  // namespace

void runBitSections(Stage& s) {
    for (const BitSection& section : kSections) runSection(s, section);
}
