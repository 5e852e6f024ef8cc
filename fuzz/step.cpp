#include "step.h"

namespace zf_fuzz {
namespace {

constexpr std::uint32_t kToEnd = 0xFFFFFFFFu;

// Sizes crowd around word boundaries and the 255 bits of the console's buffers;
// a few reach thousands of bits so that the wide kernels get whole blocks.
std::uint32_t pickSize(ByteSource& in) {
    switch (in.byte() % 8) {
        case 0:
            return 0;
        case 1:
        case 2:
            return in.below(70);
        case 3:
        case 4:
            return 32 * (1 + in.below(16)) - 1 + in.below(3);
        case 5:
            return 250 + in.below(12);
        case 6:
            return in.below(600);
        default:
            return in.below(3000);
    }
}

// Bit numbers near both ends, -1, and past the end, where the rules change.
// Never a large explicit number: a word import to it would grow the vector there.
std::uint32_t pickIndex(ByteSource& in, std::uint32_t size) {
    switch (in.byte() % 8) {
        case 0:
            return 0;
        case 1:
            return size - 1;
        case 2:
            return size;
        case 3:
            return size + 1;
        case 4:
            return kToEnd;
        case 5:
            return 32 * in.below(100) + in.below(3) - 1;
        default:
            return in.below(size + 2);
    }
}

std::int32_t pickFill(ByteSource& in) {
    static constexpr std::int32_t kFills[] = {0, 1, -1, 5, -2, 0};
    return kFills[in.byte() % 6];
}

// Characters other than '0' and '1' count as set bits; a NUL inside the text
// ends it early, so nothing past it may be read.
std::vector<char> pickText(ByteSource& in, std::uint32_t maxLength) {
    static constexpr char kChars[] = {'0', '1', '0', '1', 'a', ' ', '2', '\x80', '\0'};
    const std::uint32_t length = in.byte() % 4 == 0 ? in.below(maxLength + 1) : in.byte() % 12;
    std::vector<char> text(length + 1, '\0');
    const bool mixed = in.byte() % 4 == 0;
    for (std::uint32_t k = 0; k < length; ++k)
        text[k] =
            mixed ? kChars[in.byte() % sizeof kChars] : static_cast<char>('0' + in.byte() % 2);
    return text;
}

std::uint32_t textLength(const std::vector<char>& text) {
    std::uint32_t n = 0;
    while (text[n] != '\0') ++n;
    return n;
}

// A text position or count: inside, at the end, or past it.
std::uint32_t pickTextPosition(ByteSource& in, std::uint32_t length) {
    switch (in.byte() % 5) {
        case 0:
            return 0;
        case 1:
            return length;
        case 2:
            return length + 1;
        case 3:
            return kToEnd;
        default:
            return in.below(length + 2);
    }
}

void pickWords(ByteSource& in, Step& s) {
    s.null = in.byte() % 10 == 0;
    s.words.assign(in.below(100), 0);
    for (auto& w : s.words) w = in.byte() % 3 == 0 ? in.word() : 0xDEADBEEFu;
    s.count = in.byte() % 4 == 0 ? in.below(static_cast<std::uint32_t>(s.words.size()) + 1)
                                 : static_cast<std::uint32_t>(s.words.size());
    if (s.null && in.byte() % 2 == 0) s.count = 0;
}

}  // namespace

Step readStep(ByteSource& in, const std::array<std::uint32_t, kSlots>& sizes) {
    Step s;
    s.kind = static_cast<Kind>(in.byte() % static_cast<std::uint8_t>(Kind::count_));
    s.target = in.byte() % kSlots;
    s.source = in.byte() % kSlots;
    const std::uint32_t size = sizes[s.target];
    // As a shift, n reaches past the end and -1; as a size it stays small.
    const bool isSize = s.kind == Kind::constructFill || s.kind == Kind::constructPattern ||
                        s.kind == Kind::nadoFill || s.kind == Kind::nadoPattern ||
                        s.kind == Kind::plus || s.kind == Kind::resize;
    s.n = !isSize && in.byte() % 3 == 0 ? pickIndex(in, size) : pickSize(in);
    s.i = pickIndex(in, size);
    s.j = pickIndex(in, size);
    s.fill = pickFill(in);
    switch (s.kind) {
        case Kind::constructPattern:
        case Kind::nadoPattern:
        case Kind::constructText:
        case Kind::constructView:
        case Kind::importText:
        case Kind::streamIn: {
            s.null = in.byte() % 12 == 0;
            s.text = pickText(in, 300);
            const std::uint32_t length = textLength(s.text);
            s.start = pickTextPosition(in, length);
            s.count = pickTextPosition(in, length);
            break;
        }
        case Kind::exportText: {
            s.null = in.byte() % 8 == 0;
            const std::uint32_t options[] = {0, size, size + 1, size + 2, in.below(300)};
            s.count = options[in.byte() % 5];
            break;
        }
        case Kind::exportWords:
        case Kind::exportWordsSpan:
        case Kind::importWords:
        case Kind::importWordsRange:
        case Kind::importWordsSpan:
            pickWords(in, s);
            break;
        default:
            break;
    }
    return s;
}

}  // namespace zf_fuzz
