#include "step.h"

#include <algorithm>
#include <string_view>

#include "ZELMAR_FLAGROW.h"
#include "concat.h"

namespace zf_test {
namespace {

constexpr std::uint32_t kToEnd = ReferenceVector::kToEnd;

// A vector past this size is re-sized before anything else is done with it: self-concatenation
// doubles it at every step, and the model, which works bit by bit, would soon take seconds.
constexpr std::uint32_t kLargest = 16384;

// Sizes crowd around word boundaries, the thresholds of the header's inline loops and the 255
// bits of the console's buffers; a few reach thousands of bits so that the wide kernels get
// whole blocks.
std::uint32_t pickSize(ByteSource& in, std::optional<std::uint32_t> focus) {
    if (focus) return in.byte() % 4 == 0 ? in.below(*focus + 2) : *focus;
    switch (in.byte() % 8) {
        case 0:
            return 0;
        case 1:
        case 2:
            return in.below(70);
        case 3:
        case 4:
            return 32 * (1 + in.below(16)) - 1 + in.below(3);
        case 5: {
            const std::span<const std::uint32_t> near = thresholdSizes();
            return near[in.below(static_cast<std::uint32_t>(near.size()))];
        }
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

// The words an export of i .. j or an import into it takes, or 1 when the range is refused.
std::uint32_t wordsNeeded(const Step& s, const ReferenceVector& v) {
    const bool import = s.kind == Kind::importWords || s.kind == Kind::importWordsRange ||
                        s.kind == Kind::importWordsSpan || placesCallerMemory(s.kind);
    if (!import) {
        if (v.razmer() == 0) return 1;
        const std::uint32_t from = s.i == kToEnd && s.j == kToEnd ? 0 : s.i;
        const std::uint32_t to = std::min(s.j, v.razmer() - 1);
        return to < from ? 1 : ReferenceVector::wordsFor(std::uint64_t{to} - from + 1);
    }
    if (s.whole) return std::max(v.razmerUL(), std::uint32_t{1});
    const std::uint32_t last = s.j == kToEnd ? v.razmer() - 1 : s.j;
    if (last < s.i || (s.j == kToEnd && v.razmer() == 0)) return 1;
    return ReferenceVector::wordsFor(std::uint64_t{last} - s.i + 1);
}

// A buffer of up to 99 words; the count claimed is often just what the call needs, one short
// of it or one more, and seldom anything up to the buffer's length.
void pickWords(ByteSource& in, Step& s, const ReferenceVector& v) {
    s.null = in.byte() % 10 == 0;
    s.words.assign(in.below(100), 0);
    for (auto& w : s.words) w = in.byte() % 3 == 0 ? in.word() : 0xDEADBEEFu;
    const auto length = static_cast<std::uint32_t>(s.words.size());
    switch (in.byte() % 4) {
        case 0:
            s.count = in.below(length + 1);
            break;
        case 1:
            s.count = wordsNeeded(s, v) - 1 + length % 3;
            s.words.resize(std::max(s.words.size(), std::size_t{s.count}), 0xDEADBEEFu);
            break;
        default:
            s.count = length;
    }
    if (s.null && in.byte() % 2 == 0) s.count = 0;
}

// Which member reads the caller memory (fill: the listed-bit forms, the pattern fill, the text
// import, the word import) and what it holds: bit numbers of the target, a text, or words.
void pickCallerMemory(ByteSource& in, Step& s, const ReferenceVector& target) {
    s.fill = in.byte() % 6;
    s.at = in.below(600);
    s.whole = s.i % 2 == 0;
    if (s.fill < 3) {
        s.words.resize(1 + in.below(8));
        for (auto& w : s.words) w = pickIndex(in, target.razmer());
    } else if (s.fill < 5) {
        s.text = pickText(in, 300);
        const std::uint32_t length = textLength(s.text);
        s.start = pickTextPosition(in, length);
        s.count = pickTextPosition(in, length);
    } else {
        pickWords(in, s, target);
        s.null = false;
        if (s.words.empty()) s.words.push_back(0xDEADBEEFu);
    }
}

// The call a kind makes, with %t and %o for the target and source slots, %n, %i, %j, %f
// (fill), %x (text), %s (start), %c (count) and %w (words) for the arguments, and %m for where
// caller memory placed in a vector's storage lies.
const char* formOf(const Step& s) {
    switch (s.kind) {
        case Kind::constructFill:
            return "%t = V(%n, %f)";
        case Kind::constructPattern:
            return "%t = V(%n, %x, %s)";
        case Kind::constructText:
            return "%t = V(%x, %s, %c)";
        case Kind::constructView:
            return "%t = V(string_view %x)";
        case Kind::copyConstruct:
            return "%t = V(%o)";
        case Kind::moveConstruct:
            return "%t = V(move(%o))";
        case Kind::assign:
            return "%t = %o";
        case Kind::moveAssign:
            return "%t = move(%o)";
        case Kind::nadoFill:
            return "%t.nado(%n, %f)";
        case Kind::nadoPattern:
            return "%t.nado(%n, %x, %s)";
        case Kind::bitSet:
            return "%t.vkl(%i)";
        case Kind::bitClear:
            return "%t.otkl(%i)";
        case Kind::bitFlip:
            return "%t.invert(%i)";
        case Kind::bitTest:
            return "%t.test(%i)";
        case Kind::allSet:
            return "%t.vkl()";
        case Kind::allClear:
            return "%t.otkl()";
        case Kind::allFlip:
            return "%t.invert()";
        case Kind::rangeSet:
            return "%t.vkl(%i, %j)";
        case Kind::rangeClear:
            return "%t.otkl(%i, %j)";
        case Kind::rangeFlip:
            return "%t.invert(%i, %j)";
        case Kind::rangeTest:
            return "%t.test(%i, %j)";
        case Kind::anyBit:
            return "%t.test()";
        case Kind::noBit:
            return "%t.null()";
        case Kind::countBits:
            return "%t.schet()";
        case Kind::importText:
            return "%t.impStr(%x, %s, %c)";
        case Kind::exportText:
            return s.null ? "%t.expStr(null, %c)" : "%t.expStr(buffer, %c)";
        case Kind::exportWords:
            return "%t.expUL(%w, %c, %i, %j)";
        case Kind::exportWordsSpan:
            return "%t.expUL(span of %c, %i, %j)";
        case Kind::importWords:
        case Kind::importWordsRange:
            return s.whole ? "%t.impUL(%w, %c)" : "%t.impUL(%i, %j, %w, %c)";
        case Kind::importWordsSpan:
            return s.whole ? "%t.impUL(span of %c)" : "%t.impUL(%i, %j, span of %c)";
        case Kind::plus:
            return "%t.plus(%n, %f)";
        case Kind::andAssign:
            return "%t &= %o";
        case Kind::orAssign:
            return "%t |= %o";
        case Kind::xorAssign:
            return "%t ^= %o";
        case Kind::concat:
            return "%t += %o";
        case Kind::complement:
            return "%t = ~%o";
        case Kind::andOp:
            return "%t = %t & %o";
        case Kind::orOp:
            return "%t = %o | %t";
        case Kind::xorOp:
            return "%t = %t ^ %o";
        case Kind::shiftDownAssign:
            return "%t <<= %n";
        case Kind::shiftUpAssign:
            return "%t >>= %n";
        case Kind::shiftDown:
            return "%t = %o << %n";
        case Kind::shiftUp:
            return "%t = %o >> %n";
        case Kind::less:
            return "%t < %o";
        case Kind::equal:
            return "%t == %o";
        case Kind::notEqual:
            return "%t != %o";
        case Kind::bitsetQueries:
            return "%t.any(), none(), all(), count()";
        case Kind::findBits:
            return "%t.find_first(), find_next(%i)";
        case Kind::toString:
            return "%t.to_string()";
        case Kind::swapSlots:
            return "%t.swap(%o)";
        case Kind::streamOut:
            return "stream << %t";
        case Kind::streamIn:
            return "stream %x >> %t";
        case Kind::switchKernels:
            return "kernel family %n";
        case Kind::importOwnWords:
            return s.fill == 0 ? "%t.impUL(%i, %j, span of %o's words from %n)"
                               : "%t.impUL(%i, %j, %o's words from %n)";
        case Kind::searchBits:
            return "%t.find_*(%i, %j), set_bits()";
        case Kind::rangeCount:
            return "%t.schet(%i, %j)";
        case Kind::rangeAll:
            return "%t.all(%i, %j)";
        case Kind::subsetTests:
            return "%t.intersects(%o), is_subset_of(%o)";
        case Kind::differenceAssign:
            return "%t -= %o";
        case Kind::difference:
            return "%t = %t - %o";
        case Kind::resize:
            return "%t.resize(%n, %f != 0)";
        case Kind::pushBack:
            return "%t.push_back of the bits of %i, %n % 100 times";
        case Kind::popBack:
            return "%t.pop_back()";
        case Kind::listedBits:
            return "%t.vkl/otkl/invert by %f % 3 ({%i, %j, %n, %i})";
        case Kind::poisonSpareBits:
            return "poison the spare bits of %t";
        case Kind::bitsetNames:
            return "%t.set/reset/flip by %j % 6 (%i)";
        case Kind::sizeQueries:
            return "%t.razmer(), razmerUL(), est(), size(), empty(), expUL(), expStr()";
        case Kind::importOwnWordsWhole:
            return s.fill == 0 ? "%t.impUL(span of %o's words from %n)"
                               : "%t.impUL(%o's words from %n)";
        case Kind::callerMemoryInLiveWords:
        case Kind::callerMemoryInSpareWords: {
            static constexpr const char* kForms[] = {"%t.vkl(%w in %m)",
                                                     "%t.otkl(%w in %m)",
                                                     "%t.invert(%w in %m)",
                                                     "%t.nado(%n, %x in %m, %s)",
                                                     "%t.impStr(%x in %m, %s, %c)",
                                                     "%t.impUL(%i, %j, %w in %m, %c)"};
            if (s.fill == 5 && s.whole) return "%t.impUL(%w in %m, %c)";
            return kForms[s.fill % 6];
        }
        case Kind::combinedCounts:
            return "%t.count_and(%o), count_or(%o), count_xor(%o), count_subtract(%o)";
        case Kind::walkSetBits:
            return "%t.set_bits(), a copy taken after %n % 70 steps walked on by itself";
        case Kind::indexWrite:
            return "%t[%i] = / = %t[%j] / .flip() / &= / |= / ^= by %f % 6";
        case Kind::setValue:
            return "%t.set(%i, %f % 2 != 0)";
        case Kind::testSet:
            return "%t.test_set(%i, %f % 2 != 0)";
        case Kind::iteratorWalk:
            return "%t: range-for, reverse iterators, ranges::count and find, it[%i]";
        case Kind::iteratorWrite:
            return "%t over bits %i .. %j: ranges::reverse / ranges::fill / flip each by %f % 3";
        case Kind::keyCompare:
            return "LessBySizeThenBits both ways and EqualSizeAndBits of %t and %o";
        case Kind::count_:
            break;
    }
    return "?";
}

std::string textShown(const Step& s) {
    if (s.null) return "null";
    const std::string_view t(s.text.empty() ? "" : s.text.data());
    if (t.size() <= 24) return concat("\"", t, "\"");
    return concat("\"", t.substr(0, 24), "...\"(", std::to_string(t.size()), ")");
}

}  // namespace

std::span<const std::uint32_t> thresholdSizes() {
    using Quandrelissa::detail::kFewWords;
    using Quandrelissa::detail::kInsideWords;
    using Quandrelissa::detail::kShortWords;
    using Quandrelissa::detail::kWordBits;
    static const std::vector<std::uint32_t> sizes = [] {
        std::vector<std::uint32_t> all;
        for (const std::uint32_t words : {kInsideWords, kFewWords, kShortWords})
            for (const std::uint32_t beside : {words - 1, words, words + 1})
                for (const std::uint32_t bit : {kWordBits - 1, kWordBits, kWordBits + 1})
                    all.push_back((beside - 1) * kWordBits + bit);
        return all;
    }();
    return sizes;
}

std::string stepText(const Step& s) {
    std::string text;
    for (const char* p = formOf(s); *p != '\0'; ++p) {
        if (*p != '%' || p[1] == ' ' || p[1] == '\0') {
            text += *p;
            continue;
        }
        switch (*++p) {
            case 't':
                text += concat("v", std::to_string(s.target));
                break;
            case 'o':
                text += concat("v", std::to_string(s.source));
                break;
            case 'n':
                text += std::to_string(s.n);
                break;
            case 'i':
                text += std::to_string(s.i);
                break;
            case 'j':
                text += std::to_string(s.j);
                break;
            case 'f':
                text += std::to_string(s.fill);
                break;
            case 'x':
                text += textShown(s);
                break;
            case 's':
                text += std::to_string(s.start);
                break;
            case 'c':
                text += std::to_string(s.count);
                break;
            case 'm':
                text += s.kind == Kind::callerMemoryInLiveWords
                            ? concat("v", std::to_string(s.source), "'s live words from word ",
                                     std::to_string(s.at), " (mod its words)")
                            : concat("v", std::to_string(s.source), "'s spare words");
                break;
            default:
                text += s.null ? "null" : concat("words[", std::to_string(s.words.size()), "]");
        }
    }
    return text;
}

Step readStep(ByteSource& in, const Slots<ReferenceVector>& model,
              std::optional<std::uint32_t> focus) {
    Step s;
    s.kind = static_cast<Kind>(in.byte() % static_cast<std::uint8_t>(Kind::count_));
    s.target = in.byte() % kSlots;
    s.source = in.byte() % kSlots;
    const std::uint32_t size = model[s.target].razmer();
    if (size > kLargest) s.kind = Kind::nadoFill;
    // As a shift, n reaches past the end and -1; as a size it stays small.
    const bool isSize = s.kind == Kind::constructFill || s.kind == Kind::constructPattern ||
                        s.kind == Kind::nadoFill || s.kind == Kind::nadoPattern ||
                        s.kind == Kind::plus || s.kind == Kind::resize ||
                        placesCallerMemory(s.kind);
    s.n = !isSize && in.byte() % 3 == 0 ? pickIndex(in, size) : pickSize(in, focus);
    s.i = pickIndex(in, size);
    s.j = pickIndex(in, size);
    s.fill = pickFill(in);
    s.whole = (s.kind == Kind::importWords && s.i % 2 == 0) ||
              (s.kind == Kind::importWordsSpan && s.fill == 0);
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
            pickWords(in, s, model[s.target]);
            break;
        case Kind::poisonSpareBits:
            s.words = {in.word()};
            break;
        case Kind::callerMemoryInLiveWords:
        case Kind::callerMemoryInSpareWords:
            pickCallerMemory(in, s, model[s.target]);
            break;
        default:
            break;
    }
    return s;
}

}  // namespace zf_test
