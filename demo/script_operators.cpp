#include "script.h"
#include "stage.h"

#include <array>

namespace {

/// Which of vb1, vb2, vb3 a section shows, one bit each.
enum Shown : unsigned { kVb1 = 1, kVb2 = 2, kVb3 = 4 };

struct OperatorSection {
    std::array<const char*, 3> comments;  // unused places are null
    void (*refill)(Stage&);               // null: the operands as earlier sections left them
    unsigned shown;
    const char* code;
    void (*act)(Stage&);      // the operation, or null for a comparison
    bool (*compare)(Stage&);  // the comparison, whose answer the section shows
};

void alternate50(Stage& s) { s.vb2.nado(50, "01", 0); }

void alternate50AndFive(Stage& s) {
    alternate50(s);
    s.vb3.nado(5, 0);
}

const OperatorSection kSections[] = {
    {{"// Присвоение:"},
     nullptr,
     kVb1 | kVb2,
     "vb2 = vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 = s.vb1; },
     nullptr},
    {{"// Добавляет в конец битовое поле:"},
     [](Stage& s) { s.vb2.nado(5, 0); },
     kVb1 | kVb2,
     "vb2 += vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 += s.vb1; },
     nullptr},
    {{"// Логическая операция \"и\" и присвоение от 0 бита до размера наименьшего:",
      "// То есть, если \"011\"&=\"11100\", операция над первыми тремя битами."},
     alternate50,
     kVb1 | kVb2,
     "vb2 &= vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 &= s.vb1; },
     nullptr},
    {{"// Логическая операция \"или\" и присвоение от 0 бита до размера наименьшего:",
      "// То есть, если \"011\"|=\"11100\", операция над первыми тремя битами."},
     alternate50,
     kVb1 | kVb2,
     "vb2 |= vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 |= s.vb1; },
     nullptr},
    {{"// Логическая операция \"исключающая или\" и присвоение от 0 бита до размера ",
      "// наименьшего: То есть, если \"011\"^=\"11100\", операция над первыми тремя битами."},
     alternate50,
     kVb1 | kVb2,
     "vb2 ^= vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 ^= s.vb1; },
     nullptr},
    {{"// Операция сдвига и присвоение."},
     nullptr,
     kVb1,
     "vb1 <<= 3; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb1 <<= 3; },
     nullptr},
    {{"// Операция сдвига и присвоение."},
     nullptr,
     kVb1,
     "vb1 >>= 3; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb1 >>= 3; },
     nullptr},
    {{"// Возвращает текущие биты изменяя каждый бит на обратное значение."},
     nullptr,
     kVb1 | kVb2,
     "vb2 = ~vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 = ~s.vb1; },
     nullptr},
    {{"// Логическая операция \"и\" от 0 бита до размера наименьшего:",
      "// То есть, если \"011\"&\"11100\", операция над первыми тремя битами.",
      "// Возвращает биты над которыми произведена операция."},
     alternate50AndFive,
     kVb1 | kVb2 | kVb3,
     "vb3 = vb2 & vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb3 = s.vb2 & s.vb1; },
     nullptr},
    {{"// Логическая операция \"или\" от 0 бита до размера наименьшего:",
      "// То есть, если \"011\"|\"11100\", операция над первыми тремя битами.",
      "// Возвращает биты над которыми произведена операция."},
     alternate50AndFive,
     kVb1 | kVb2 | kVb3,
     "vb3 = vb2 | vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb3 = s.vb2 | s.vb1; },
     nullptr},
    {{"// Логическая операция \"исключающая или\" от 0 бита до наименьшего:",
      "// То есть, если \"011\"^\"11100\", операция над первыми тремя битами.",
      "// Возвращает биты над которыми произведена операция."},
     alternate50AndFive,
     kVb1 | kVb2 | kVb3,
     "vb3 = vb2 ^ vb1; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb3 = s.vb2 ^ s.vb1; },
     nullptr},
    {{"// Операция сдвига вправо."},
     alternate50,
     kVb1 | kVb2,
     "vb2 = vb1 >> 3; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 = s.vb1 >> 3; },
     nullptr},
    {{"// Операция сдвига влево."},
     alternate50,
     kVb1 | kVb2,
     "vb2 = vb1 << 3; // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb2 = s.vb1 << 3; },
     nullptr},
    {{"// Меньше по размеру."},
     alternate50,
     kVb1 | kVb2,
     "if(vb2 < vb1) i=1; else i=0; // Проведённая операция, ниже результат.",
     nullptr,
     [](Stage& s) { return s.vb2 < s.vb1; }},
    {{"// Равно. Если размер одинаков сравнивает каждый бит."},
     [](Stage& s) {
         s.vb2.nado(50, -1);
         s.vb3.nado(50, -1);
     },
     kVb2 | kVb3,
     "if(vb2 == vb3) i=1; else i=0; // Проведённая операция, ниже результат.",
     nullptr,
     [](Stage& s) { return s.vb2 == s.vb3; }},
    {{"// Неравно. Если размер одинаков сравнивает каждый бит."},
     nullptr,
     kVb2 | kVb3,
     "if(vb2 != vb3) i=1; else i=0; // Проведённая операция, ниже результат.",
     nullptr,
     [](Stage& s) { return s.vb2 != s.vb3; }},
    {{"// Добавляет заказаное битовое поле."},
     nullptr,
     kVb1,
     "vb1.plus(5); // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb1.plus(5, 0); },
     nullptr},
    {{"// Добавляет заказаное битовое поле."},
     nullptr,
     kVb1,
     "vb1.plus(5, 1); // Проведённая операция, ниже результат.",
     [](Stage& s) { s.vb1.plus(5, 1); },
     nullptr},
};

/// The labelled lines of the vectors in `shown`; after the call an empty line closes the group.
void showOperands(Stage& s, unsigned shown, bool afterCall) {
    const struct {
        unsigned flag;
        const char* label;
        const ZELMAR_FLAGROW& v;
        char* buff;
    } rows[] = {
        {kVb1, "vb1 == ", s.vb1, s.snBuff},
        {kVb2, "vb2 == ", s.vb2, s.snBuff2},
        {kVb3, "vb3 == ", s.vb3, s.snBuff3},
    };
    for (const auto& row : rows) {
        if ((shown & row.flag) == 0) continue;
        const bool last = shown < row.flag * 2;
        s.showVector(row.label, row.v, row.buff, afterCall && last);
    }
}

void runSection(Stage& s, const OperatorSection& section) {
    do {
        for (const char* comment : section.comments)
            if (comment != nullptr) s.screen.comment(comment);
        if (section.refill != nullptr) section.refill(s);
        showOperands(s, section.shown, false);
        s.screen.code(section.code);
        if (section.act != nullptr) {
            section.act(s);
        } else {
            s.i = section.compare(s) ? 1 : 0;
            s.screen.text("i == ");
            s.screen.number(s.i, 1);
        }
        showOperands(s, section.shown, true);
    } while (s.askChoice());
}

}  // namespace

void runOperators(Stage& s) {
    s.screen.newline();
    for (const OperatorSection& section : kSections) runSection(s, section);
}
