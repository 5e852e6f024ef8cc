// Runs one step on either implementation and records everything it answered:
// the code thrown, the value returned, the buffers written and any new vector.
#ifndef ZF_FUZZ_APPLY_H
#define ZF_FUZZ_APPLY_H

#include <ZELMAR_FLAGROW.h>

#include <array>
#include <cstdint>
#include <iterator>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "step.h"

namespace zf_fuzz {

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
void applyUnchecked(const Step& s, std::array<V, kSlots>& v, Outcome& out) {
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
            t = o;
            break;
        case Kind::moveAssign:
            // A vector moved into itself is left in no state worth comparing.
            if (&t != &o) t = std::move(o);
            break;
        case Kind::nadoFill:
            t.nado(s.n, s.fill);
            break;
        case Kind::nadoPattern:
            t.nado(s.n, text, s.start);
            break;
        case Kind::bitSet:
            t.vkl(s.i);
            break;
        case Kind::bitClear:
            t.otkl(s.i);
            break;
        case Kind::bitFlip:
            t.invert(s.i);
            break;
        case Kind::bitTest:
            out.value = t.test(s.i);
            break;
        case Kind::allSet:
            t.vkl();
            break;
        case Kind::allClear:
            t.otkl();
            break;
        case Kind::allFlip:
            t.invert();
            break;
        case Kind::rangeSet:
            t.vkl(s.i, s.j);
            break;
        case Kind::rangeClear:
            t.otkl(s.i, s.j);
            break;
        case Kind::rangeFlip:
            t.invert(s.i, s.j);
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
            // Exactly as large as claimed, so a write past it is an overflow.
            out.bytes.assign(s.count, '#');
            out.value = t.expStr(s.null ? nullptr : out.bytes.data(), s.count);
            break;
        }
        case Kind::exportWords:
            out.words = s.words;
            out.value = t.expUL(s.null ? nullptr : out.words.data(), s.count, s.i, s.j);
            break;
        case Kind::exportWordsSpan:
            out.words = s.words;
            out.value = t.expUL(std::span<std::uint32_t>(out.words).first(s.count), s.i, s.j);
            break;
        case Kind::importWords: {
            const std::uint32_t* w = s.null ? nullptr : s.words.data();
            out.value = s.i % 2 == 0 ? t.impUL(w, s.count) : t.impUL(s.i, s.j, w, s.count);
            break;
        }
        case Kind::importWordsRange:
            out.value = t.impUL(s.i, s.j, s.null ? nullptr : s.words.data(), s.count);
            break;
        case Kind::importWordsSpan: {
            const auto w = std::span<const std::uint32_t>(s.words).first(s.count);
            out.value = s.fill == 0 ? t.impUL(w) : t.impUL(s.i, s.j, w);
            break;
        }
        case Kind::plus:
            t.plus(s.n, s.fill);
            break;
        case Kind::andAssign:
            t &= o;
            break;
        case Kind::orAssign:
            t |= o;
            break;
        case Kind::xorAssign:
            t ^= o;
            break;
        case Kind::concat:
            t += o;
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
            t <<= s.n;
            break;
        case Kind::shiftUpAssign:
            t >>= s.n;
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
            t -= o;
            break;
        case Kind::difference:
            keep(out, t, t - o);
            break;
        case Kind::importOwnWords: {
            // The words of o (t itself, when source is target) from word n on, the range cut
            // to the bits they hold: the storage bits past the size carry no meaning.
            const std::uint32_t skip = o.razmerUL() == 0 ? 0 : s.n % o.razmerUL();
            const std::uint32_t held = o.razmer() - 32 * skip;
            const std::uint32_t last = s.j == V::kToEnd ? t.razmer() - 1 : s.j;
            const std::uint32_t to =
                held != 0 && last >= s.i && last - s.i >= held ? s.i + held - 1 : s.j;
            const std::uint32_t* w = o.data() + skip;
            const std::uint32_t count = o.razmerUL() - skip;
            out.value =
                s.fill == 0 ? t.impUL(s.i, to, std::span(w, count)) : t.impUL(s.i, to, w, count);
            break;
        }
        case Kind::resize:
            t.resize(s.n, s.fill != 0);
            break;
        case Kind::pushBack:
            for (std::uint32_t k = 0; k < s.n % 100; ++k) t.push_back(((s.i >> (k % 32)) & 1) != 0);
            break;
        case Kind::popBack:
            t.pop_back();
            break;
        case Kind::listedBits: {
            // A bit listed twice, and the size or -1 among the listed ones now and then.
            const std::uint32_t listed[] = {s.i, s.j, s.n, s.i};
            const auto op = static_cast<std::uint32_t>(s.fill) % 3;
            if (op == 0) t.vkl(listed);
            if (op == 1) t.otkl(listed);
            if (op == 2) t.invert(listed);
            break;
        }
        case Kind::switchKernels:
        case Kind::count_:
            break;
    }
}

}  // namespace detail

template <class V>
Outcome apply(const Step& s, std::array<V, kSlots>& v) {
    Outcome out;
    try {
        detail::applyUnchecked(s, v, out);
    } catch (const Quandrelissa::_ZELMAR_FLAGROW& e) {
        out.code = e.code();
    } catch (...) {
        out.foreignException = true;
    }
    return out;
}

}  // namespace zf_fuzz

#endif  // ZF_FUZZ_APPLY_H
