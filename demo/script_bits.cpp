#include "script.h"
#include "stage.h"

namespace {

/// Every section works on vb2 re-sized to this many bits.
constexpr std::uint32_t kBITOV = 70;
constexpr std::uint32_t kLAST = kBITOV - 1;

struct BitSection {
    const char* comment;
    void (*refill)(ZELMAR_FLAGROW&);
    Reach reach;
    const char* firstPrompt;  // the question for i, or for the start of the range
    const char* lastPrompt;   // the question for the end of the range
    const char* code;
    void (*call)(ZELMAR_FLAGROW&, std::uint32_t i, std::uint32_t j);
};

void zeros(ZELMAR_FLAGROW& v) { v.nado(kBITOV, 0); }
void ones(ZELMAR_FLAGROW& v) { v.nado(kBITOV, 1); }
void triples(ZELMAR_FLAGROW& v) { v.nado(kBITOV, "000111", 0); }

const BitSection kSections[] = {
    {"// Включить все биты.", zeros, Reach::all, nullptr, nullptr,
     "vb2.vkl(); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { v.vkl(); }},
    {"// Включить указаный бит.", zeros, Reach::one, "Введите номер бита, для включения, от 0 до ",
     nullptr, "vb2.vkl(i); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t) { v.vkl(i); }},
    {"// Включить диапазон бит. (НАЧАЛЬНЫЙ меньше или равен КОНЕЧНОМУ)", zeros, Reach::range,
     "Введите номер НАЧАЛЬНОГО бита, для включения, от 0 до ",
     "Введите номер КОНЕЧНОГО бита, для включения, от 0 до ",
     "vb2.vkl(i, j); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t j) { v.vkl(i, j); }},
    {"// Отключить все биты.", ones, Reach::all, nullptr, nullptr,
     "vb2.otkl(); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { v.otkl(); }},
    {"// Отключить указаный бит.", ones, Reach::one, "Введите номер бита, для Отключения, от 0 до ",
     nullptr, "vb2.otkl(i); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t) { v.otkl(i); }},
    {"// Отключить диапазон бит. (НАЧАЛЬНЫЙ меньше или равен КОНЕЧНОМУ)", ones, Reach::range,
     "Введите номер НАЧАЛЬНОГО бита, для Отключения, от 0 до ",
     "Введите номер КОНЕЧНОГО бита, для Отключения, от 0 до ",
     "vb2.otkl(i, j); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t j) { v.otkl(i, j); }},
    {"// Инвертировать (перевернуть) все биты.", triples, Reach::all, nullptr, nullptr,
     "vb2.invert(); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { v.invert(); }},
    {"// Инвертировать (перевернуть) указаный бит.", triples, Reach::one,
     "Введите номер бита, для переворота, от 0 до ", nullptr,
     "vb2.invert(i); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t) { v.invert(i); }},
    {"// Инвертировать диапазон бит. (НАЧАЛЬНЫЙ меньше или равен КОНЕЧНОМУ)", triples, Reach::range,
     "Введите номер НАЧАЛЬНОГО бита, для переворота, от 0 до ",
     "Введите номер КОНЕЧНОГО бита, для переворота, от 0 до ",
     "vb2.invert(i, j); // Проведённая операция, ниже результат.",
     [](ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t j) { v.invert(i, j); }},
};

void runSection(Stage& s, const BitSection& section) {
    do {
        s.screen.comment(section.comment);
        section.refill(s.vb2);
        s.showVector("vb2 == ", s.vb2, s.snBuff);
        s.askBits(section.reach, section.firstPrompt, section.lastPrompt, kBITOV, kLAST, kLAST);
        s.screen.code(section.code);
        section.call(s.vb2, s.i, s.j);
        s.showVector("vb2 == ", s.vb2, s.snBuff, true);
    } while (s.askChoice());
}

}  // namespace

void runBitSections(Stage& s) {
    for (const BitSection& section : kSections) runSection(s, section);
}
