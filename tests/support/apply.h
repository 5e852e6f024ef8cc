// Runs one step on either implementation and records everything it answered:
// the code thrown, the value returned, the buffers written and any new vector.
#ifndef ZELMAR_FLAGROW_TESTS_APPLY_H
#define ZELMAR_FLAGROW_TESTS_APPLY_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <ranges>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "ZELMAR_FLAGROW.h"
#include "concat.h"
#include "poison.h"
#include "raised.h"
#include "step.h"

namespace zf_test {

struct Outcome {
    std::int32_t code = 0;  // 0: nothing was thrown
    bool foreignException = false;
    std::uint64_t value = 0;
    std::vector<char> bytes;
    std::vector<std::uint32_t> words;
    std::string made;  // a vector the step built, as its size and bits

    bool operator==(const Outcome&) const = default;
};

/// The size and every meaningful bit, read one bit at a time.
template <class V>
std::string describe(const V& v) {
    std::string s = std::to_string(v.razmer()) + ':';
    for (std::uint32_t i = 0; i < v.razmer(); ++i) s += v.test(i) ? '1' : '0';
    return s;
}

namespace detail {

// Words written past the count a call was given, where nothing may be written.
inline constexpr std::size_t kGuardWords = 2;
inline constexpr std::uint32_t kGuard = 0xCCCCCCCCu;

// 1 when a member returned the vector it was called on, as chained calls expect.
template <class V>
std::uint64_t same(const V& returned, const V& self) {
    return &returned == &self ? 1 : 0;
}

template <class V>
void keep(Outcome& out, V& slot, V made) {
    out.made = describe(made);
    slot.swap(made);
}

// The library's stream operators; the model has none, so for it they are worked
// out from what they promise: leading white space skipped, then the longest run
// of '0' and '1', failing (and leaving the vector alone) when there is none.
template <class V>
void writeText(const V& v, Outcome& out) {
    if constexpr (std::is_same_v<V, Quandrelissa::ZELMAR_FLAGROW>) {
        std::ostringstream os;
        os << v;
        out.made = os.str();
    } else {
        out.made = v.to_string();
    }
}

template <class V>
void readText(const Step& s, V& v, Outcome& out) {
    const std::string input(s.text.data(), s.text.size() - 1);
    bool fail = false;
    bool eof = false;
    std::size_t pos = 0;
    if constexpr (std::is_same_v<V, Quandrelissa::ZELMAR_FLAGROW>) {
        std::istringstream is(input);
        is >> v;
        fail = is.fail();
        eof = is.eof();
        is.clear();
        pos = input.size() - std::string(std::istreambuf_iterator<char>(is), {}).size();
    } else {
        while (pos < input.size() &&
               std::string_view(" \t\n\v\f\r").find(input[pos]) != std::string_view::npos)
            ++pos;
        const std::size_t start = pos;
        while (pos < input.size() && (input[pos] == '0' || input[pos] == '1')) ++pos;
        eof = pos == input.size();
        fail = pos == start;
        if (!fail) {
            V read(std::string_view(input).substr(start, pos - start));
            v.swap(read);
        }
    }
    out.value = std::uint64_t{fail} | std::uint64_t{eof} << 1 | std::uint64_t{pos} << 2;
}

template <class V>
inline constexpr bool isClass = std::is_same_v<V, Quandrelissa::ZELMAR_FLAGROW>;

// Bit i written through the class's proxy reference in one of six ways, after a read through the
// const operator[]; the model does the same with its plain members.
template <class V>
void writeThroughIndex(const Step& s, V& t, Outcome& out) {
    const bool value = (s.n & 1) != 0;
    const std::uint32_t how = static_cast<std::uint32_t>(s.fill) % 6;
    if constexpr (isClass<V>) {
        out.value = std::as_const(t)[s.i];
        if (how == 0) t[s.i] = value;
        if (how == 1) t[s.i] = t[s.j];
        if (how == 2) t[s.i].flip();
        if (how == 3) t[s.i] &= value;
        if (how == 4) t[s.i] |= value;
        if (how == 5) out.value |= std::uint64_t{~(t[s.i] ^= value)} << 1;
    } else {
        const bool held = t.test(s.i);
        out.value = std::uint64_t{held} | std::uint64_t{how == 5 && held == value} << 1;
        const bool after[] = {value, held, !held, held && value, held || value, held != value};
        t.set(s.i, how == 1 ? t.test(s.j) : after[how]);
    }
}

// Every bit forwards through const iterators and backwards through writable ones, the counts and
// positions the standard algorithms find, and bit i by subscript; the model answers from its text.
template <class V>
void walkBits(const Step& s, V& t, Outcome& out) {
    const V& c = t;
    const bool inside = s.i < t.razmer();
    if constexpr (isClass<V>) {
        for (const bool bit : c) out.made += bit ? '1' : '0';
        out.made += '|';
        for (auto it = t.rbegin(); it != t.rend(); ++it) out.made += *it ? '1' : '0';
        out.words = {static_cast<std::uint32_t>(std::ranges::count(c, true)),
                     static_cast<std::uint32_t>(std::ranges::find(t, true) - t.begin()),
                     static_cast<std::uint32_t>(std::ranges::distance(c))};
        out.value = inside ? std::uint64_t{c.begin()[s.i]} : 2;
    } else {
        const std::string text = t.to_string();
        out.made = concat(text, "|", std::string(text.rbegin(), text.rend()));
        out.words = {t.count(), t.find_first(), t.razmer()};
        out.value = inside ? std::uint64_t{t.test(s.i)} : 2;
    }
}

// Bits min(i, j) .. max(i, j) - 1, both cut at the size, reversed, filled or flipped one by one
// through the class's iterators; the model swaps and writes them one at a time.
template <class V>
void writeThroughIterators(const Step& s, V& t) {
    std::uint32_t lo = std::min(s.i, t.razmer());
    std::uint32_t hi = std::min(s.j, t.razmer());
    if (lo > hi) std::swap(lo, hi);
    const bool value = (s.n & 1) != 0;
    const std::uint32_t how = static_cast<std::uint32_t>(s.fill) % 3;
    if constexpr (isClass<V>) {
        const auto first = t.begin() + lo;
        const auto last = t.begin() + hi;
        if (how == 0) std::ranges::reverse(first, last);
        if (how == 1) std::ranges::fill(first, last, value);
        if (how == 2) std::for_each(first, last, [](auto bit) { bit.flip(); });
    } else {
        for (std::uint32_t a = lo, b = hi; how == 0 && a + 1 < b; ++a, --b) {
            const bool held = t.test(a);
            t.set(a, t.test(b - 1)).set(b - 1, held);
        }
        for (std::uint32_t p = lo; how != 0 && p < hi; ++p) t.set(p, how == 1 ? value : !t.test(p));
    }
}

// The key order and equality both ways round; the model's order is that of its texts among
// vectors of one size.
template <class V>
std::uint64_t compareAsKeys(const V& t, const V& o) {
    if constexpr (isClass<V>) {
        const Quandrelissa::LessBySizeThenBits less;
        return std::uint64_t{less(t, o)} | std::uint64_t{less(o, t)} << 1 |
               std::uint64_t{Quandrelissa::EqualSizeAndBits{}(t, o)} << 2;
    } else {
        const auto key = [](const V& v) { return std::pair(v.razmer(), v.to_string()); };
        return std::uint64_t{key(t) < key(o)} | std::uint64_t{key(o) < key(t)} << 1 |
               std::uint64_t{key(t) == key(o)} << 2;
    }
}

// The words of o from word n on (o is often t itself), and how many meaningful bits they hold.
struct OwnWords {
    std::span<const std::uint32_t> words;
    std::uint32_t held = 0;
};

template <class V>
OwnWords ownWords(const Step& s, const V& o) {
    const std::uint32_t skip = o.razmerUL() == 0 ? 0 : s.n % o.razmerUL();
    return {{o.data() + skip, std::size_t{o.razmerUL() - skip}}, o.razmer() - 32 * skip};
}

// The step's list, text or words put in o's storage: in its live words from word s.at (modulo
// their count) on, growing o where they reach past its end, or in the spare words just past its
// size. The class is handed them there; the model, whose storage keeps no spare words, is handed
// the step's own copy, which is what every member must behave as if it had read.
template <class V>
void callerMemoryInStorage(const Step& s, Slots<V>& v, Outcome& out) {
    V& t = v[s.target];
    V& o = v[s.source];
    const bool isText = s.fill == 3 || s.fill == 4;
    std::vector<std::uint32_t> placed = s.words;
    if (isText) {
        placed.assign((s.text.size() + 3) / 4, 0);
        std::memcpy(placed.data(), s.text.data(), s.text.size());
    }
    const auto length = static_cast<std::uint32_t>(placed.size());
    const std::uint32_t size = o.razmer();
    const bool live = s.kind == Kind::callerMemoryInLiveWords;
    const std::uint32_t at = live && o.razmerUL() != 0 ? s.at % o.razmerUL() : o.razmerUL();
    o.impUL(32 * at, 32 * (at + length) - 1, placed.data(), length);
    if (!live) o.resize(size);
    const std::uint32_t* words = placed.data();
    if constexpr (std::is_same_v<V, Quandrelissa::ZELMAR_FLAGROW>) words = o.data() + at;
    const auto* text = reinterpret_cast<const char*>(words);
    const std::span<const std::uint32_t> list(words, length);
    switch (s.fill) {
        case 0:
            out.value = same(t.vkl(list), t);
            break;
        case 1:
            out.value = same(t.otkl(list), t);
            break;
        case 2:
            out.value = same(t.invert(list), t);
            break;
        case 3:
            out.value = same(t.nado(s.n, text, s.start), t);
            break;
        case 4:
            t.impStr(text, s.start, s.count);
            break;
        default:
            out.value = s.whole ? t.impUL(words, s.count) : t.impUL(s.i, s.j, words, s.count);
    }
}

template <class V>
void applyUnchecked(const Step& s, Slots<V>& v, Outcome& out) {
    V& t = v[s.target];
    V& o = v[s.source];
    const char* text = s.null ? nullptr : s.text.data();
    switch (s.kind) {
        case Kind::constructFill:
            keep(out, t, V(s.n, s.fill));
            break;
        case Kind::constructPattern:
            keep(out, t, V(s.n, text, s.start));
            break;
        case Kind::constructText:
            keep(out, t, V(text, s.start, s.count));
            break;
        case Kind::constructView:
            keep(out, t, V(std::string_view(s.text.data())));
            break;
        case Kind::copyConstruct:
            keep(out, t, V(o));
            break;
        case Kind::moveConstruct:
            keep(out, t, V(std::move(o)));
            break;
        case Kind::assign:
            out.value = same(t = o, t);
            break;
        case Kind::moveAssign:
            // A vector moved into itself is left in no state worth comparing.
            if (&t != &o) out.value = same(t = std::move(o), t);
            break;
        case Kind::nadoFill:
            out.value = same(t.nado(s.n, s.fill), t);
            break;
        case Kind::nadoPattern:
            out.value = same(t.nado(s.n, text, s.start), t);
            break;
        case Kind::bitSet:
            out.value = same(t.vkl(s.i), t);
            break;
        case Kind::bitClear:
            out.value = same(t.otkl(s.i), t);
            break;
        case Kind::bitFlip:
            out.value = same(t.invert(s.i), t);
            break;
        case Kind::bitTest:
            out.value = t.test(s.i);
            break;
        case Kind::allSet:
            out.value = same(t.vkl(), t);
            break;
        case Kind::allClear:
            out.value = same(t.otkl(), t);
            break;
        case Kind::allFlip:
            out.value = same(t.invert(), t);
            break;
        case Kind::rangeSet:
            out.value = same(t.vkl(s.i, s.j), t);
            break;
        case Kind::rangeClear:
            out.value = same(t.otkl(s.i, s.j), t);
            break;
        case Kind::rangeFlip:
            out.value = same(t.invert(s.i, s.j), t);
            break;
        case Kind::rangeTest:
            out.value = t.test(s.i, s.j);
            break;
        case Kind::anyBit:
            out.value = t.test();
            break;
        case Kind::noBit:
            out.value = t.null();
            break;
        case Kind::countBits:
            out.value = t.schet();
            break;
        case Kind::importText:
            t.impStr(text, s.start, s.count);
            break;
        case Kind::exportText: {
            // Guard bytes past the size claimed show a write past it, as the sanitizer would.
            out.bytes.assign(std::size_t{s.count} + kGuardWords * 4, '#');
            out.value = t.expStr(s.null ? nullptr : out.bytes.data(), s.count);
            break;
        }
        case Kind::exportWords:
            out.words = s.words;
            out.words.resize(s.words.size() + kGuardWords, kGuard);
            out.value = t.expUL(s.null ? nullptr : out.words.data(), s.count, s.i, s.j);
            break;
        case Kind::exportWordsSpan:
            out.words = s.words;
            out.words.resize(s.words.size() + kGuardWords, kGuard);
            out.value = t.expUL(std::span<std::uint32_t>(out.words).first(s.count), s.i, s.j);
            break;
        case Kind::importWords:
        case Kind::importWordsRange: {
            const std::uint32_t* w = s.null ? nullptr : s.words.data();
            out.value = s.whole ? t.impUL(w, s.count) : t.impUL(s.i, s.j, w, s.count);
            break;
        }
        case Kind::importWordsSpan: {
            const auto w = std::span<const std::uint32_t>(s.words).first(s.count);
            out.value = s.whole ? t.impUL(w) : t.impUL(s.i, s.j, w);
            break;
        }
        case Kind::plus:
            out.value = same(t.plus(s.n, s.fill), t);
            break;
        case Kind::andAssign:
            out.value = same(t &= o, t);
            break;
        case Kind::orAssign:
            out.value = same(t |= o, t);
            break;
        case Kind::xorAssign:
            out.value = same(t ^= o, t);
            break;
        case Kind::concat:
            out.value = same(t += o, t);
            break;
        case Kind::complement:
            keep(out, t, ~o);
            break;
        case Kind::andOp:
            keep(out, t, t & o);
            break;
        case Kind::orOp:
            keep(out, t, o | t);
            break;
        case Kind::xorOp:
            keep(out, t, t ^ o);
            break;
        case Kind::shiftDownAssign:
            out.value = same(t <<= s.n, t);
            break;
        case Kind::shiftUpAssign:
            out.value = same(t >>= s.n, t);
            break;
        case Kind::shiftDown:
            keep(out, t, o << s.n);
            break;
        case Kind::shiftUp:
            keep(out, t, o >> s.n);
            break;
        case Kind::less:
            out.value = t < o;
            break;
        case Kind::equal:
            out.value = t == o;
            break;
        case Kind::notEqual:
            out.value = t != o;
            break;
        case Kind::bitsetQueries:
            out.value = std::uint64_t{t.any()} | std::uint64_t{t.none()} << 1 |
                        std::uint64_t{t.all()} << 2 | std::uint64_t{t.count()} << 3;
            break;
        case Kind::findBits:
            out.value = std::uint64_t{t.find_first()} << 32 | t.find_next(s.i);
            break;
        case Kind::toString:
            out.made = t.to_string();
            break;
        case Kind::swapSlots:
            t.swap(o);
            break;
        case Kind::streamOut:
            writeText(t, out);
            break;
        case Kind::streamIn:
            readText(s, t, out);
            break;
        case Kind::searchBits:
            out.value = std::uint64_t{t.find_first(s.i)} << 32 | t.find_prev(s.j);
            out.words = {t.find_last(), t.find_first_unset(), t.find_next_unset(s.i),
                         t.find_last_unset(), t.find_prev_unset(s.j)};
            for (const std::uint32_t bit : t.set_bits()) out.words.push_back(bit);
            break;
        case Kind::rangeCount:
            out.value = t.schet(s.i, s.j);
            break;
        case Kind::rangeAll:
            out.value = t.all(s.i, s.j);
            break;
        case Kind::subsetTests:
            out.value = std::uint64_t{t.intersects(o)} | std::uint64_t{t.is_subset_of(o)} << 1;
            break;
        case Kind::differenceAssign:
            out.value = same(t -= o, t);
            break;
        case Kind::difference:
            keep(out, t, t - o);
            break;
        case Kind::importOwnWords: {
            // The range cut to the bits the words hold: the storage bits past the size carry
            // no meaning.
            const auto [w, held] = ownWords(s, o);
            const std::uint32_t last = s.j == V::kToEnd ? t.razmer() - 1 : s.j;
            const std::uint32_t to =
                held != 0 && last >= s.i && last - s.i >= held ? s.i + held - 1 : s.j;
            const auto count = static_cast<std::uint32_t>(w.size());
            out.value = s.fill == 0 ? t.impUL(s.i, to, w) : t.impUL(s.i, to, w.data(), count);
            break;
        }
        case Kind::importOwnWordsWhole: {
            // Only where the words' meaningful bits cover the whole of t, for the same reason.
            const auto [w, held] = ownWords(s, o);
            if (t.razmer() > held) break;
            const auto count = static_cast<std::uint32_t>(w.size());
            out.value = s.fill == 0 ? t.impUL(w) : t.impUL(w.data(), count);
            break;
        }
        case Kind::poisonSpareBits:
            poisonTail(t, s.words.front());
            break;
        case Kind::bitsetNames:
            switch (s.j % 6) {
                case 0:
                    out.value = same(t.set(s.i), t);
                    break;
                case 1:
                    out.value = same(t.reset(s.i), t);
                    break;
                case 2:
                    out.value = same(t.flip(s.i), t);
                    break;
                case 3:
                    out.value = same(t.set(), t);
                    break;
                case 4:
                    out.value = same(t.reset(), t);
                    break;
                default:
                    out.value = same(t.flip(), t);
            }
            break;
        case Kind::sizeQueries:
            out.words = {t.razmer(), t.razmerUL(), t.est(),   t.size(),
                         t.empty(),  t.expUL(),    t.expStr()};
            break;
        case Kind::resize:
            out.value = same(t.resize(s.n, s.fill != 0), t);
            break;
        case Kind::pushBack:
            for (std::uint32_t k = 0; k < s.n % 100; ++k) t.push_back(((s.i >> (k % 32)) & 1) != 0);
            break;
        case Kind::popBack:
            out.value = same(t.pop_back(), t);
            break;
        case Kind::listedBits: {
            // A bit listed twice, and the size or -1 among the listed ones now and then.
            const std::uint32_t listed[] = {s.i, s.j, s.n, s.i};
            const auto op = static_cast<std::uint32_t>(s.fill) % 3;
            if (op == 0) out.value = same(t.vkl(listed), t);
            if (op == 1) out.value = same(t.otkl(listed), t);
            if (op == 2) out.value = same(t.invert(listed), t);
            break;
        }
        case Kind::callerMemoryInLiveWords:
        case Kind::callerMemoryInSpareWords:
            callerMemoryInStorage(s, v, out);
            break;
        case Kind::combinedCounts:
            out.words = {t.count_and(o), t.count_or(o), t.count_xor(o), t.count_subtract(o)};
            break;
        case Kind::walkSetBits: {
            // A forward range walks twice: a copy taken part-way goes on by itself, and the first
            // iterator, stepped on afterwards, takes as many steps to the end.
            static_assert(
                std::forward_iterator<Quandrelissa::ZELMAR_FLAGROW::SetBitsView::iterator>);
            const auto bits = t.set_bits();
            auto first = bits.begin();
            for (std::uint32_t k = 0; k < s.n % 70 && first != bits.end(); ++k)
                out.words.push_back(*first++);
            for (auto copy = first; copy != bits.end(); ++copy) out.words.push_back(*copy);
            for (; first != bits.end(); ++first) ++out.value;
            break;
        }
        case Kind::indexWrite:
            writeThroughIndex(s, t, out);
            break;
        case Kind::setValue:
            out.value = same(t.set(s.i, s.fill % 2 != 0), t);
            break;
        case Kind::testSet:
            out.value = t.test_set(s.i, s.fill % 2 != 0);
            break;
        case Kind::iteratorWalk:
            walkBits(s, t, out);
            break;
        case Kind::iteratorWrite:
            writeThroughIterators(s, t);
            break;
        case Kind::keyCompare:
            out.value = compareAsKeys(t, o);
            break;
        case Kind::switchKernels:
        case Kind::count_:
            break;
    }
}

}  // namespace detail

/// Runs `s` on `v` and records what it answered.
template <class V>
Outcome apply(const Step& s, Slots<V>& v) {
    Outcome out;
    try {
        out.code = codeOf([&] { detail::applyUnchecked(s, v, out); });
    } catch (...) {
        out.foreignException = true;
    }
    return out;
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_APPLY_H
