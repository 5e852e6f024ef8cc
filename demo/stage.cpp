#include "stage.h"

#include <utility>

using Quandrelissa::ZELMAR_FLAGROW;

bool Stage::askChoice() {
    screen.text("Повторить > 2, Продолжить > 1, Выход > 0. Ваш выбор > ");
    snBuff[0] = keyboard.key();
    if (snBuff[0] == '0') throw LeaveScript{};
    screen.newline(2);
    return snBuff[0] == '2';
}

void Stage::readBitField() {
    keyboard.bitField(snBuff, kRAZMER_BUFF);
    screen.newline();
}

void Stage::importField(const char* intro, ZELMAR_FLAGROW& v, const char* heading, const char* code,
                        EmptyField empty) {
    screen.prompt(intro);
    screen.prompt("(реально держит 4294967295 бит) и в конец любой знак:");
    screen.prompt("Например: 111100001111.");
    screen.inputMarker();
    readBitField();
    v.impStr(snBuff, 0, ZELMAR_FLAGROW::kToEnd);
    snBuff2[0] = '\0';
    const std::string_view bits =
        empty == EmptyField::shown && !v.est() ? snBuff2 : textOf(v, snBuff2);
    screen.comment(heading);
    screen.code(code);
    screen.vectorBlock(bits);
}

void Stage::readNumber(std::uint32_t& value) {
    if (!keyboard.number(value)) screen.text("Неверный ввод: не число, значение прежнее.", 1);
}

void Stage::askIndex(const char* question, const char* name, std::uint32_t& value,
                     std::optional<std::uint32_t> highest) {
    screen.text(question);
    if (highest) screen.number(*highest);
    screen.newline();
    screen.text(name);
    readNumber(value);
}

void Stage::askBits(const BitQuestions& questions, std::uint32_t bound, std::uint32_t replacement,
                    std::optional<std::uint32_t> highest) {
    if (questions.reach == Reach::one) {
        askIndex(questions.first, "i = ", i, highest);
        checkIndex(bound, replacement);
    } else if (questions.reach == Reach::range) {
        askIndex(questions.first, "i = ", i, highest);
        askIndex(questions.last, "j = ", j, highest);
        checkRange(bound, replacement);
    }
}

void Stage::checkIndex(std::uint32_t bound, std::uint32_t replacement) {
    if (i < bound) return;
    screen.text("Неверный ввод: i == ");
    screen.number(i, 1);
    i = replacement;
    screen.text("Изменен:       i == ");
    screen.number(i, 1);
}

void Stage::checkRange(std::uint32_t bound, std::uint32_t replacement) {
    if (i >= bound || j >= bound) {
        screen.text("Неверный ввод: i == ");
        screen.number(i);
        screen.text(" j == ");
        screen.number(j, 1);
        i = j = replacement;
        screen.text("Изменены:      i == ");
        screen.number(i);
        screen.text(" j == ");
        screen.number(j, 1);
    }
    if (i > j) std::swap(i, j);
}

std::string_view Stage::textOf(const ZELMAR_FLAGROW& v, char* buff) {
    if (v.expStr(buff, kRAZMER_BUFF) == 0) return buff;
    longText_ = v.to_string();
    return longText_;
}

void Stage::showVector(const char* label, const ZELMAR_FLAGROW& v, char* buff, LineEnd end) {
    screen.labelled(label, textOf(v, buff), end);
}
