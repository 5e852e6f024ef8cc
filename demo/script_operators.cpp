#include "script.h"
#include "stage.h"

#include <array>
#include <variant>

namespace {

/// Which of vb1, vb2, vb3 a section shows, one bit each.
enum Shown : unsigned { kVb1 = 1, kVb2 = 2, kVb3 = 4 };

/// What a section does: change the operands, or compare them and show the answer as i.
using Operation = void (*)(Stage&);
using Comparison = bool (*)(Stage&);

struct OperatorSection {
    std::array<const char*, 3> comments;  // unused places are null
    void (*refill)(Stage&) = nullptr;     // null: the operands as earlier sections left them
    unsigned shown;
    const char* code;
    std::variant<Operation, Comparison> action;
};

void alternate50(Stage& s) { s.vb2.nado(50, "01", 0); }

void alternate50AndFive(Stage& s) {
    alternate50(s);
    s.vb3.nado(5, 0);
}

const OperatorSection kSections[] = {
    {.comments = {"// Присвоение:"},
     .shown = kVb1 | kVb2,
     .code = "vb2 = vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 = s.vb1; }}},
    {.comments = {"// Добавляет в конец битовое поле:"},
     .refill = [](Stage& s) { s.vb2.nado(5, 0); },
     .shown = kVb1 | kVb2,
     .code = "vb2 += vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 += s.vb1; }}},
    {.comments = {"// Логическая операция \"и\" и присвоение от 0 бита до размера наименьшего:",
                  "// То есть, если \"011\"&=\"11100\", операция над первыми тремя битами."},
     .refill = alternate50,
     .shown = kVb1 | kVb2,
     .code = "vb2 &= vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 &= s.vb1; }}},
    {.comments = {"// Логическая операция \"или\" и присвоение от 0 бита до размера наименьшего:",
                  "// То есть, если \"011\"|=\"11100\", операция над первыми тремя битами."},
     .refill = alternate50,
     .shown = kVb1 | kVb2,
     .code = "vb2 |= vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 |= s.vb1; }}},
    {.comments =
         {"// Логическая операция \"исключающая или\" и присвоение от 0 бита до размера ",
          "// наименьшего: То есть, если \"011\"^=\"11100\", операция над первыми тремя битами."},
     .refill = alternate50,
     .shown = kVb1 | kVb2,
     .code = "vb2 ^= vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 ^= s.vb1; }}},
    {.comments = {"// Операция сдвига и присвоение."},
     .shown = kVb1,
     .code = "vb1 <<= 3; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb1 <<= 3; }}},
    {.comments = {"// Операция сдвига и присвоение."},
     .shown = kVb1,
     .code = "vb1 >>= 3; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb1 >>= 3; }}},
    {.comments = {"// Возвращает текущие биты изменяя каждый бит на обратное значение."},
     .shown = kVb1 | kVb2,
     .code = "vb2 = ~vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 = ~s.vb1; }}},
    {.comments = {"// Логическая операция \"и\" от 0 бита до размера наименьшего:",
                  "// То есть, если \"011\"&\"11100\", операция над первыми тремя битами.",
                  "// Возвращает биты над которыми произведена операция."},
     .refill = alternate50AndFive,
     .shown = kVb1 | kVb2 | kVb3,
     .code = "vb3 = vb2 & vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb3 = s.vb2 & s.vb1; }}},
    {.comments = {"// Логическая операция \"или\" от 0 бита до размера наименьшего:",
                  "// То есть, если \"011\"|\"11100\", операция над первыми тремя битами.",
                  "// Возвращает биты над которыми произведена операция."},
     .refill = alternate50AndFive,
     .shown = kVb1 | kVb2 | kVb3,
     .code = "vb3 = vb2 | vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb3 = s.vb2 | s.vb1; }}},
    {.comments = {"// Логическая операция \"исключающая или\" от 0 бита до наименьшего:",
                  "// То есть, если \"011\"^\"11100\", операция над первыми тремя битами.",
                  "// Возвращает биты над которыми произведена операция."},
     .refill = alternate50AndFive,
     .shown = kVb1 | kVb2 | kVb3,
     .code = "vb3 = vb2 ^ vb1; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb3 = s.vb2 ^ s.vb1; }}},
    {.comments = {"// Операция сдвига вправо."},
     .refill = alternate50,
     .shown = kVb1 | kVb2,
     .code = "vb2 = vb1 >> 3; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 = s.vb1 >> 3; }}},
    {.comments = {"// Операция сдвига влево."},
     .refill = alternate50,
     .shown = kVb1 | kVb2,
     .code = "vb2 = vb1 << 3; // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb2 = s.vb1 << 3; }}},
    {.comments = {"// Меньше по размеру."},
     .refill = alternate50,
     .shown = kVb1 | kVb2,
     .code = "if(vb2 < vb1) i=1; else i=0; // Проведённая операция, ниже результат.",
     .action = Comparison{[](Stage& s) { return s.vb2 < s.vb1; }}},
    {.comments = {"// Равно. Если размер одинаков сравнивает каждый бит."},
     .refill =
         [](Stage& s) {
             s.vb2.nado(50, -1);
             s.vb3.nado(50, -1);
         },
     .shown = kVb2 | kVb3,
     .code = "if(vb2 == vb3) i=1; else i=0; // Проведённая операция, ниже результат.",
     .action = Comparison{[](Stage& s) { return s.vb2 == s.vb3; }}},
    {.comments = {"// Неравно. Если размер одинаков сравнивает каждый бит."},
     .shown = kVb2 | kVb3,
     .code = "if(vb2 != vb3) i=1; else i=0; // Проведённая операция, ниже результат.",
     .action = Comparison{[](Stage& s) { return s.vb2 != s.vb3; }}},
    {.comments = {"// Добавляет заказаное битовое поле."},
     .shown = kVb1,
     .code = "vb1.plus(5); // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb1.plus(5, 0); }}},
    {.comments = {"// Добавляет заказаное битовое поле."},
     .shown = kVb1,
     .code = "vb1.plus(5, 1); // Проведённая операция, ниже результат.",
     .action = Operation{[](Stage& s) { s.vb1.plus(5, 1); }}},
};

/// Whether operands are shown before the operation or after it.
enum class Moment { before, after };

/// The labelled lines of the vectors in `shown`; after the call an empty line closes the group.
void showOperands(Stage& s, unsigned shown, Moment moment) {
    const struct {
        unsigned flag;
        const char* label;
        const Quandrelissa::ZELMAR_FLAGROW& v;
        char* buff;
    } rows[] = {
        {kVb1, "vb1 == ", s.vb1, s.snBuff},
        {kVb2, "vb2 == ", s.vb2, s.snBuff2},
        {kVb3, "vb3 == ", s.vb3, s.snBuff3},
    };
    for (const auto& row : rows) {
        if ((shown & row.flag) == 0) continue;
        const bool last = shown < row.flag * 2;
        s.showVector(row.label, row.v, row.buff,
                     moment == Moment::after && last ? LineEnd::closesGroup : LineEnd::inGroup);
    }
}

void runSection(Stage& s, const OperatorSection& section) {
    do {
        for (const char* comment : section.comments)
            if (comment != nullptr) s.screen.comment(comment);
        if (section.refill != nullptr) section.refill(s);
        showOperands(s, section.shown, Moment::before);
        s.screen.code(section.code);
        if (const auto* compare = std::get_if<Comparison>(&section.action)) {
            s.i = (*compare)(s) ? 1 : 0;
            s.screen.text("i == ");
            s.screen.number(s.i, 1);
        } else {
            std::get<Operation>(section.action)(s);
        }
        showOperands(s, section.shown, Moment::after);
    } while (s.askChoice());
}

}  // namespace

void runOperators(Stage& s) {
    s.screen.newline();
    for (const OperatorSection& section : kSections) runSection(s, section);
}
