#include "script.h"
#include "stage.h"

using Quandrelissa::ZELMAR_FLAGROW;

namespace {

constexpr const char* kRule =
    "//::::::::::::::::::::::::::::::::::::::::::::::::::::::::::::::::::";

void showBanner(Screen& screen) {
    screen.comment(kRule);
    screen.comment("//");
    screen.comment("// (C) Команда zelmar_flagrow (the zelmar_flagrow team).");
    screen.comment("//");
    screen.comment(kRule, 2);
    screen.comment("//  НАЗНАЧЕНИЕ:");
    screen.comment("//     Программа показывает все возможные методы эксплуатации");
    screen.comment("//     Morvaline - Quandrelissa", 2);
    screen.comment("//  test: ZELMAR_FLAGROW", 2);
}

void showConstants(Screen& screen) {
    screen.comment("// Константы:", 2);
    screen.text("kVSEGO     = ");
    screen.number(kVSEGO, 1);
    screen.text("snSTROKA70 = ", 1);
    screen.vectorBlock(snSTROKA70);
    screen.comment("// Объявление экземпляров класса: (Конструкторы)", 2);
}

/// The vector is built and exported before any of its lines, so a failure shows none of them.
void showBuilt(Stage& s, const ZELMAR_FLAGROW& v, const char* comment, const char* code) {
    const std::string_view bits = s.textOf(v, s.snBuff);
    s.screen.comment(comment);
    s.screen.code(code);
    s.screen.vectorBlock(bits);
}

void showConstruction(Stage& s) {
    // An empty vector has no text: its block is the two line ends alone.
    s.screen.comment("// Пустой.");
    s.screen.code("ZELMAR_FLAGROW   vb1;");
    s.screen.newline(2);

    s.vb2 = ZELMAR_FLAGROW(kVSEGO);
    showBuilt(s, s.vb2, "// Все в 0.", "ZELMAR_FLAGROW   vb2(kVSEGO);");
    s.vb3 = ZELMAR_FLAGROW(kVSEGO, 1);
    showBuilt(s, s.vb3, "// Все в 1.", "ZELMAR_FLAGROW   vb3(kVSEGO, 1);");
    s.vb4 = ZELMAR_FLAGROW(kVSEGO, "001");
    showBuilt(s, s.vb4, "// Генерирует биты циклически по заданой строке.",
              "ZELMAR_FLAGROW   vb4(kVSEGO, \"001\");");
    s.vb5 = ZELMAR_FLAGROW(kVSEGO, -1);
    showBuilt(s, s.vb5, "// Все как попало.", "ZELMAR_FLAGROW   vb5(kVSEGO, -1);");
    s.vb6 = ZELMAR_FLAGROW(snSTROKA70);
    showBuilt(s, s.vb6, "// Все как строка snSTROKA70.", "ZELMAR_FLAGROW   vb6(snSTROKA70);");
    s.vb7 = ZELMAR_FLAGROW(snSTROKA70, 32);
    showBuilt(s, s.vb7, "// Все как строка snSTROKA70 от 32 знака. (счёт от нуля).",
              "ZELMAR_FLAGROW   vb7(snSTROKA70, 32);");
    s.vb8 = ZELMAR_FLAGROW(snSTROKA70, 32, 5);
    showBuilt(s, s.vb8, "// Все как строка snSTROKA70 от 32 знака до 36. (счёт от нуля).",
              "ZELMAR_FLAGROW   vb8(snSTROKA70, 32, 5);");
    s.vb9 = ZELMAR_FLAGROW(s.vb6);
    showBuilt(s, s.vb9, "// Все как vb6.", "ZELMAR_FLAGROW   vb9(vb6);");

    s.screen.comment("// Функции класса:", 2);
    s.screen.comment("// (имеются альтернативные имена функций, схожие с bitset из STL )", 2);
}

}  // namespace

void showOpening(Stage& s) {
    showBanner(s.screen);
    showConstants(s.screen);
    showConstruction(s);
}
