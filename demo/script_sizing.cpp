#include "script.h"
#include "stage.h"

using Quandrelissa::ZELMAR_FLAGROW;

namespace {

constexpr auto kToEnd = ZELMAR_FLAGROW::kToEnd;

/// "ret == " and the size a query answered, after the query's comment and code line.
void showSize(Stage& s, const char* comment, const char* code) {
    s.screen.comment(comment);
    s.screen.code(code);
    s.screen.text("ret == ");
    s.screen.number(s.ret, 2);
}

/// The first `ret` words of iulBuff, each followed by a blank.
void showWords(Stage& s) {
    for (std::uint32_t k = 0; k < s.ret && k < kRAZMER_BUFF; ++k) {
        s.screen.number(s.iulBuff[k]);
        s.screen.text(" ");
    }
    s.screen.newline(2);
}

void showOrders(Stage& s) {
    s.vb10.nado(35, 0);
    s.vb11.nado(35, 1);
    s.vb12.nado(35, "000111", 0);
    s.vb13.nado(35, -1);
    s.screen.comment("// Заказ.");
    s.screen.code("ZELMAR_FLAGROW   vb10, vb11, vb12, vb13;");
    const struct {
        const ZELMAR_FLAGROW& v;
        const char* code;
    } orders[] = {
        {s.vb10, "vb10.nado(35); // Все в 0."},
        {s.vb11, "vb11.nado(35, 1); // Все в 1."},
        {s.vb12, "vb12.nado(35, \"000111\"); // Генерирует биты циклически по заданой строке."},
        {s.vb13, "vb13.nado(35, -1); // Все как попало (без начисления)."},
    };
    for (const auto& order : orders) {
        s.screen.code(order.code);
        s.screen.vectorBlock(s.textOf(order.v, s.snBuff));
    }
}

void showTextExport(Stage& s) {
    s.ret = s.vb13.expStr();
    showSize(s, "// Узнать нужный размер буфера для экспорта (отдачи) строки.",
             "ret = vb13.expStr();");
    const std::string_view bits = s.textOf(s.vb13, s.snBuff);
    s.screen.comment("// Подача буфера для экспорта строки.");
    s.screen.code("vb13.expStr(snBuff, kRAZMER_BUFF);");
    s.screen.vectorBlock(bits);
}

void showWordExchange(Stage& s) {
    s.ret = s.vb13.expUL();
    showSize(s, "// Узнать нужный размер буфера для экспорта (отдачи) массива целых чисел.",
             "ret = vb13.expUL();");

    s.vb13.expUL(s.iulBuff, kRAZMER_BUFF, kToEnd, kToEnd);
    s.screen.comment("// Подача буфера для экспорта целых чисел со всеми битами.");
    s.screen.code("vb13.expUL(iulBuff, kRAZMER_BUFF);");
    showWords(s);

    s.vb10.impUL(s.iulBuff, s.ret);
    std::string_view bits = s.textOf(s.vb10, s.snBuff);
    s.screen.comment("// Импорт целых чисел из верхнего буфера.");
    s.screen.code("vb10.impUL(iulBuff, ret);");
    s.screen.vectorBlock(bits);

    s.ret = s.vb13.expUL(nullptr, kRAZMER_BUFF, 5, 20);
    s.vb13.expUL(s.iulBuff, kRAZMER_BUFF, 5, 20);
    bits = s.textOf(s.vb13, s.snBuff);
    s.screen.comment("// Подача буфера для экспорта целых чисел с битами от 5 до 20.");
    s.screen.vectorLine(bits);
    s.screen.code("vb13.expUL(iulBuff, kRAZMER_BUFF, 5, 20);");
    showWords(s);

    s.vb10.vkl();
    s.vb10.impUL(0, 15, s.iulBuff, s.ret);
    bits = s.textOf(s.vb10, s.snBuff);
    s.screen.comment("// Импорт целых чисел из верхнего буфера и размещение их от 0 до 15.");
    s.screen.code("vb10.impUL(0, 15, iulBuff, ret);");
    s.screen.vectorBlock(bits);

    // The round trip checks itself and speaks only when a bit went astray.
    for (int k = 0; k < 16; ++k) {
        const auto bit = static_cast<std::uint32_t>(k);
        if (s.vb13.test(bit + 5) == s.vb10.test(bit)) continue;
        s.screen.text("Error bit ");
        s.screen.number(k);
        s.screen.text(" in  vb10.test(i).", 1);
    }
}

void showNumberImport(Stage& s) {
    s.screen.prompt("Введите своё число (0-9) для битового представления 6 раз.");
    s.screen.prompt("Например 20050405");
    s.screen.inputMarker();
    std::uint32_t number = 0;
    s.readNumber(number);
    for (int k = 0; k < 6; ++k) s.iulBuff[k] = number;
    s.vb10.impUL(0, 191, s.iulBuff, kRAZMER_BUFF);
    const std::string_view bits = s.textOf(s.vb10, s.snBuff);
    s.screen.code("vb10.impUL(0, 6*32-1, iulBuff, kRAZMER_BUFF);");
    s.screen.vectorBlock(bits);
}

}  // namespace

void runSizing(Stage& s) {
    showOrders(s);
    showTextExport(s);
    do {
        s.importField("Введите своё битовое поле, для импорта в класс, не более 255 цифр ", s.vb11,
                      "// Импорт в класс из приёмного буфера snBuff:", "vb11.impStr(snBuff);",
                      EmptyField::shown);
    } while (s.askChoice());
    showWordExchange(s);
    showNumberImport(s);
    do {
        s.importField("Введите своё битовое поле, для операций над ним, не более 255 цифр", s.vb1,
                      "// Импорт в класс из приёмного буфера snBuff:", "vb1.impStr(snBuff);",
                      EmptyField::refused);
    } while (s.askChoice());
}
