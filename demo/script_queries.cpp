#include "script.h"
#include "stage.h"

using Quandrelissa::ZELMAR_FLAGROW;

namespace {

struct Query {
    const char* comment;
    BitQuestions questions;
    const char* code;
    std::uint32_t (*answer)(const ZELMAR_FLAGROW&, std::uint32_t i, std::uint32_t j);
};

const Query kQueries[] = {
    {.comment = "// Тестировать весь диапазон бит: если все отключены возврат 1.",
     .questions = {.reach = Reach::all},
     .code = "if(vb1.null()) i=1; else i=0; // Проведённая операция, ниже результат.",
     .answer = [](const ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) -> std::uint32_t {
         return v.null() ? 1 : 0;
     }},
    {.comment = "// Тестировать весь диапазон бит: если хоть один включен возврат 1.",
     .questions = {.reach = Reach::all},
     .code = "if(vb1.test()) i=1; else i=0; // Проведённая операция, ниже результат.",
     .answer = [](const ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) -> std::uint32_t {
         return v.test() ? 1 : 0;
     }},
    {.comment = "// Тестировать указаный бит.",
     .questions = {.reach = Reach::one, .first = "Введите номер бита для теста: "},
     .code = "if(vb1.test(i)) i=1; else i=0; // Проведённая операция, ниже результат.",
     .answer = [](const ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t) -> std::uint32_t {
         return v.test(i) ? 1 : 0;
     }},
    {.comment = "// Тестировать диапазон бит. (НАЧАЛЬНЫЙ меньше или равен КОНЕЧНОМУ)",
     .questions = {.reach = Reach::range,
                   .first = "Введите номер НАЧАЛЬНОГО бита для теста",
                   .last = "Введите номер КОНЕЧНОГО бита для теста"},
     .code = "if(vb1.test(i, j)) i=1; else i=0; // Проведённая операция, ниже результат.",
     .answer = [](const ZELMAR_FLAGROW& v, std::uint32_t i, std::uint32_t j) -> std::uint32_t {
         return v.test(i, j) ? 1 : 0;
     }},
    {.comment = "// Взять количество бит установленных в 1.",
     .questions = {.reach = Reach::all},
     .code = "i=vb1.schet(); // Проведённая операция, ниже результат.",
     .answer = [](const ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { return v.schet(); }},
    {.comment = "// Взять количество занимаемых бит (размер).",
     .questions = {.reach = Reach::all},
     .code = "i=vb1.razmer(); // Проведённая операция, ниже результат.",
     .answer = [](const ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { return v.razmer(); }},
    {.comment = "// Взять количество занимаемых unsigned long (размер).",
     .questions = {.reach = Reach::all},
     .code = "i=vb1.razmerUL(); // Проведённая операция, ниже результат.",
     .answer = [](const ZELMAR_FLAGROW& v, std::uint32_t, std::uint32_t) { return v.razmerUL(); }},
};

void runQuery(Stage& s, const Query& query) {
    s.screen.comment(query.comment);
    // A bit number past the field is replaced by bit 0, which every field has.
    s.askBits(query.questions, s.vb1.razmer(), 0, std::nullopt);
    s.screen.code(query.code);
    s.i = query.answer(s.vb1, s.i, s.j);
    s.screen.text("i   == ");
    s.screen.number(s.i, 1);
    s.showVector("vb1 == ", s.vb1, s.snBuff, LineEnd::closesGroup);
}

void showClosing(Screen& screen) {
    screen.comment("// Библиотеку с этим классом Вы можете найти в интернете.");
    screen.comment("// Искать по слову: Morvaline");
    screen.comment("// Искать по слову: Quandrelissa");
    screen.comment("// Связаться с нами:");
    screen.comment("// Сайт:   https://zelmar-flagrow.example.org/");
    screen.comment("// Почта:  team@example.org");
    screen.comment("// Почта:  support@example.org");
    screen.comment("// Всего доброго! Команда zelmar_flagrow (the zelmar_flagrow team).");
}

}  // namespace

void runQueries(Stage& s) {
    do {
        s.importField("Введите своё битовое поле, для операций над ним, не более 255 цифр", s.vb1,
                      "Импорт в класс из приёмного буфера snBuff:", "vb1.impStr(snBuff);",
                      EmptyField::refused);
        s.showVector("vb1 == ", s.vb1, s.snBuff);
        for (const Query& query : kQueries) runQuery(s, query);
    } while (s.askChoice());
    showClosing(s.screen);
}
