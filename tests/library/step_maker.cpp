#include "step_maker.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "poison.h"

namespace zf_test {
namespace {

constexpr std::uint32_t kToEnd = ReferenceVector::kToEnd;

// Word, 256-bit and 512-bit boundaries and their neighbours.
constexpr std::uint32_t kEdgeSizes[] = {0,   1,   2,   31,  32,  33,   63,   64,
                                        65,  95,  96,  97,  127, 128,  129,  255,
                                        256, 257, 511, 512, 513, 1023, 1024, 1025};

// A vector past this size is re-sized before it grows further, to keep the model quick.
constexpr std::uint32_t kLargest = 12000;

// The type of vector a generic step was handed.
template <class Vs>
using VectorOf = typename std::remove_reference_t<Vs>::value_type;

std::string name(std::size_t k) { return concat("v", std::to_string(k)); }

std::string shown(const std::string& s, bool null) {
    if (null) return "null";
    if (s.size() <= 24) return concat("\"", s, "\"");
    return concat("\"", s.substr(0, 24), "...\"(", std::to_string(s.size()), ")");
}

template <class... A>
std::string args(A... a) {
    std::string s;
    ((s = concat(s, s.empty() ? "" : ", ", std::to_string(a))), ...);
    return concat("(", s, ")");
}

// The words an export of from .. to needs, or 1 when the range is rejected.
std::uint32_t needOf(const ReferenceVector& v, std::uint32_t from, std::uint32_t to) {
    try {
        return v.expUL(nullptr, 0, from, to);
    } catch (const Quandrelissa::_ZELMAR_FLAGROW&) {
        return 1;
    }
}

}  // namespace

std::uint32_t StepMaker::size() {
    if (focus) return oneIn(4) ? below(*focus + 2) : *focus;
    switch (below(10)) {
        case 0:
            return 300 + below(400);
        case 1:
            return 2000 + below(3000);
        case 2:
            return below(200);
        default:
            return kEdgeSizes[below(std::size(kEdgeSizes))];
    }
}

std::uint32_t StepMaker::index(std::uint32_t bits) {
    switch (below(8)) {
        case 0:
            return 0;
        case 1:
            return bits - 1;  // -1 on an empty vector
        case 2:
            return bits;
        case 3:
            return kToEnd;
        case 4:
            return 32 * below(bits / 32 + 2) + below(3) - 1;
        default:
            return below(std::uint64_t{bits} + 2);
    }
}

std::int32_t StepMaker::fill() {
    constexpr std::int32_t kFills[] = {0, 0, 1, -1, 5, -2};
    return kFills[below(std::size(kFills))];
}

std::string StepMaker::text(std::uint32_t length) {
    std::string s(length, '0');
    const std::uint32_t density = below(5);  // 0: all clear .. 4: all set
    for (char& c : s) {
        if (below(4) < density) c = '1';
        if (oneIn(50)) c = "a 2z"[below(4)];
    }
    return s;
}

std::string StepMaker::pattern() { return text(oneIn(8) ? 0 : 1 + below(9)); }

Step StepMaker::build(std::size_t k) { return constructor(k, below(4)); }

Step StepMaker::constructor(std::size_t k, std::uint32_t kind) {
    const std::uint32_t n = size();
    const std::int32_t f = fill();
    const bool null = oneIn(10);
    if (kind == 0) {
        return makeStep(
            name(k) + " = V" + args(n, f),
            [=](auto& vs) {
                vs[k] = VectorOf<decltype(vs)>(n, f);
                return Observation{};
            },
            f == -1 && n != 0 ? static_cast<int>(k) : -1);
    }
    if (kind == 1) {
        const std::string p = pattern();
        const std::uint32_t length = below(p.size() + 2);
        return makeStep(name(k) + " = V(" + std::to_string(n) + ", " + shown(p, null) + ", " +
                            std::to_string(length) + ")",
                        [=](auto& vs) {
                            vs[k] = VectorOf<decltype(vs)>(n, null ? nullptr : p.c_str(), length);
                            return Observation{};
                        });
    }
    const std::string t = text(size());
    if (kind == 2) {
        const std::uint32_t start = oneIn(2) ? 0 : below(t.size() + 2);
        const std::uint32_t count = oneIn(2) ? kToEnd : below(t.size() + 2);
        return makeStep(name(k) + " = V(" + shown(t, null) + ", " + std::to_string(start) + ", " +
                            std::to_string(count) + ")",
                        [=](auto& vs) {
                            vs[k] =
                                VectorOf<decltype(vs)>(null ? nullptr : t.c_str(), start, count);
                            return Observation{};
                        });
    }
    return makeStep(name(k) + " = V(string_view " + shown(t, false) + ")", [=](auto& vs) {
        vs[k] = VectorOf<decltype(vs)>(std::string_view(t));
        return Observation{};
    });
}

Step StepMaker::sizing(std::size_t k) {
    const std::size_t from = slot();
    switch (below(6)) {
        case 0: {
            const std::uint32_t n = oneIn(6) ? 0 : size();
            const std::int32_t f = fill();
            return makeStep(
                name(k) + ".nado" + args(n, f),
                [=](auto& vs) { return observe(&vs[k].nado(n, f) == &vs[k]); },
                f == -1 && n != 0 ? static_cast<int>(k) : -1);
        }
        case 1: {
            const std::uint32_t n = oneIn(4) ? 0 : size();
            const std::string p = pattern();
            const bool null = oneIn(10);
            const std::uint32_t length = below(p.size() + 2);
            return makeStep(
                name(k) + ".nado(" + std::to_string(n) + ", " + shown(p, null) + ", " +
                    std::to_string(length) + ")",
                [=](auto& vs) {
                    return observe(&vs[k].nado(n, null ? nullptr : p.c_str(), length) == &vs[k]);
                },
                null ? static_cast<int>(k) : -1);
        }
        case 2:
            return makeStep(name(k) + " = " + name(from),
                            [=](auto& vs) { return observe(&(vs[k] = vs[from]) == &vs[k]); });
        case 3:
            return makeStep(name(k) + " = V(" + name(from) + ")", [=](auto& vs) {
                vs[k] = VectorOf<decltype(vs)>(vs[from]);
                return Observation{};
            });
        case 4:
            if (from == k) return sizing(k);
            return makeStep(name(k) + " = move(" + name(from) + ")", [=](auto& vs) {
                return observe(&(vs[k] = std::move(vs[from])) == &vs[k]);
            });
        default:
            return constructor(k, below(4));
    }
}

Step StepMaker::bits(std::size_t k, const ReferenceVector& v) {
    const std::uint32_t i = index(v.razmer());
    const std::uint32_t j = index(v.razmer());
    const std::uint32_t op = below(7);
    constexpr const char* kNames[] = {"vkl", "otkl", "invert", "test", "set", "reset", "flip"};
    switch (below(3)) {
        case 0:
            return makeStep(name(k) + "." + kNames[op] + args(i), [=](auto& vs) {
                auto& x = vs[k];
                switch (op) {
                    case 0:
                        return observe(&x.vkl(i) == &x);
                    case 1:
                        return observe(&x.otkl(i) == &x);
                    case 2:
                        return observe(&x.invert(i) == &x);
                    case 3:
                        return observe(x.test(i));
                    case 4:
                        return observe(&x.set(i) == &x);
                    case 5:
                        return observe(&x.reset(i) == &x);
                    default:
                        return observe(&x.flip(i) == &x);
                }
            });
        case 1:
            return makeStep(name(k) + "." + kNames[op] + "()", [=](auto& vs) {
                auto& x = vs[k];
                switch (op) {
                    case 0:
                        return observe(&x.vkl() == &x);
                    case 1:
                        return observe(&x.otkl() == &x);
                    case 2:
                        return observe(&x.invert() == &x);
                    case 3:
                        return observe(x.test());
                    case 4:
                        return observe(&x.set() == &x);
                    case 5:
                        return observe(&x.reset() == &x);
                    default:
                        return observe(&x.flip() == &x);
                }
            });
        default:
            return makeStep(name(k) + "." + kNames[op % 4] + args(i, j), [=](auto& vs) {
                auto& x = vs[k];
                switch (op % 4) {
                    case 0:
                        return observe(&x.vkl(i, j) == &x);
                    case 1:
                        return observe(&x.otkl(i, j) == &x);
                    case 2:
                        return observe(&x.invert(i, j) == &x);
                    default:
                        return observe(x.test(i, j));
                }
            });
    }
}

Step StepMaker::textForm(std::size_t k, const ReferenceVector& v) {
    if (oneIn(2)) {
        // One byte short, exact, or more.
        const std::uint32_t bytes = std::max<std::uint32_t>(v.razmer() + below(4), 1) - 1;
        const bool null = oneIn(8);
        return makeStep(
            name(k) + ".expStr(" + (null ? "null" : "buffer") + ", " + std::to_string(bytes) + ")",
            [=](auto& vs) {
                std::vector<char> buffer(std::size_t{bytes} + 4, 'Z');
                Observation o = observe(vs[k].expStr(null ? nullptr : buffer.data(), bytes));
                observeBuffer(o, buffer);
                return o;
            });
    }
    const std::string t = text(size());
    const bool null = oneIn(10);
    const std::uint32_t start = oneIn(2) ? 0 : below(t.size() + 2);
    const std::uint32_t count = oneIn(2) ? kToEnd : below(t.size() + 2);
    return makeStep(name(k) + ".impStr(" + shown(t, null) + ", " + std::to_string(start) + ", " +
                        std::to_string(count) + ")",
                    [=](auto& vs) {
                        vs[k].impStr(null ? nullptr : t.c_str(), start, count);
                        return Observation{};
                    });
}

Step StepMaker::wordExport(std::size_t k, const ReferenceVector& v) {
    const bool whole = oneIn(3);
    const std::uint32_t from = whole ? kToEnd : index(v.razmer());
    const std::uint32_t to = whole ? kToEnd : index(v.razmer());
    const std::uint32_t need = needOf(v, from, to);
    const std::uint32_t count = oneIn(4) ? below(need + 1) : need + below(3);
    const bool null = oneIn(8);
    const bool span = oneIn(3);
    return makeStep(name(k) + ".expUL(" +
                        (null   ? (span ? "empty span" : "null")
                         : span ? "span"
                                : "buffer") +
                        ", " + std::to_string(count) + ", " + std::to_string(from) + ", " +
                        std::to_string(to) + ")",
                    [=](auto& vs) {
                        std::vector<std::uint32_t> buffer(std::size_t{count} + 2, 0xCCCCCCCCu);
                        std::uint32_t* p = null ? nullptr : buffer.data();
                        const auto s = null ? std::span<std::uint32_t>() : std::span(p, count);
                        Observation o = observe(span ? vs[k].expUL(s, from, to)
                                                     : vs[k].expUL(p, count, from, to));
                        observeBuffer(o, buffer);
                        return o;
                    });
}

Step StepMaker::wordImport(std::size_t k, const ReferenceVector& v) {
    const bool whole = oneIn(3);
    const std::uint32_t from = whole ? 0 : index(v.razmer());
    const std::uint32_t to = whole ? kToEnd : index(v.razmer() + 40);
    const std::uint32_t last = to == kToEnd ? v.razmer() - 1 : to;
    const std::uint32_t need = last < from || (to == kToEnd && v.razmer() == 0)
                                   ? 1
                                   : ReferenceVector::wordsFor(std::uint64_t{last} - from + 1);
    const std::uint32_t count = oneIn(4) ? below(need + 1) : need + below(3);
    std::vector<std::uint32_t> words(count);
    for (std::uint32_t& w : words) w = static_cast<std::uint32_t>(rng());
    const bool null = oneIn(10);
    const bool span = oneIn(3);
    const std::string call =
        name(k) + ".impUL(" +
        (whole ? "" : concat(std::to_string(from), ", ", std::to_string(to), ", ")) +
        (null   ? (span ? "empty span" : "null")
         : span ? "span"
                : "buffer") +
        ", " + std::to_string(count) + ")";
    return makeStep(call, [=](auto& vs) {
        const std::uint32_t* p = null ? nullptr : words.data();
        auto& x = vs[k];
        if (span) {
            const auto s = null ? std::span<const std::uint32_t>() : std::span(p, count);
            return observe(whole ? x.impUL(s) : x.impUL(from, to, s));
        }
        return observe(whole ? x.impUL(p, count) : x.impUL(from, to, p, count));
    });
}

Step StepMaker::combining(std::size_t k, const ReferenceVector& v) {
    const std::size_t l = slot();
    const std::size_t m = slot();
    const std::uint32_t op = below(9);
    constexpr const char* kOps[] = {"&=", "|=", "^=", "+=", "&", "|", "^", "~", "plus"};
    if (op == 8) {
        const std::uint32_t n = v.razmer() > 2 && oneIn(30) ? kToEnd - below(3) : size();
        const std::int32_t f = fill();
        return makeStep(name(k) + ".plus" + args(n, f),
                        [=](auto& vs) { return observe(&vs[k].plus(n, f) == &vs[k]); });
    }
    if (op < 4) {
        return makeStep(name(k) + " " + kOps[op] + " " + name(l), [=](auto& vs) {
            auto& x = vs[k];
            switch (op) {
                case 0:
                    return observe(&(x &= vs[l]) == &x);
                case 1:
                    return observe(&(x |= vs[l]) == &x);
                case 2:
                    return observe(&(x ^= vs[l]) == &x);
                default:
                    return observe(&(x += vs[l]) == &x);
            }
        });
    }
    const std::string rhs =
        op == 7 ? concat("~", name(l)) : name(l) + " " + kOps[op] + " " + name(m);
    return makeStep(name(k) + " = " + rhs, [=](auto& vs) {
        switch (op) {
            case 4:
                vs[k] = vs[l] & vs[m];
                break;
            case 5:
                vs[k] = vs[l] | vs[m];
                break;
            case 6:
                vs[k] = vs[l] ^ vs[m];
                break;
            default:
                vs[k] = ~vs[l];
        }
        return Observation{};
    });
}

Step StepMaker::shifting(std::size_t k) {
    const std::size_t l = slot();
    const std::uint32_t n = oneIn(10) ? kToEnd - below(2) : index(size());
    const std::uint32_t op = below(4);
    constexpr const char* kOps[] = {" <<= ", " >>= ", " << ", " >> "};
    const std::string target = op < 2 ? name(k) : name(k) + " = " + name(l);
    return makeStep(target + kOps[op] + std::to_string(n), [=](auto& vs) {
        switch (op) {
            case 0:
                return observe(&(vs[k] <<= n) == &vs[k]);
            case 1:
                return observe(&(vs[k] >>= n) == &vs[k]);
            case 2:
                vs[k] = vs[l] << n;
                break;
            default:
                vs[k] = vs[l] >> n;
        }
        return Observation{};
    });
}

Step StepMaker::comparing(std::size_t k) {
    const std::size_t l = slot();
    const std::uint32_t op = below(3);
    constexpr const char* kOps[] = {" == ", " != ", " < "};
    return makeStep(name(k) + kOps[op] + name(l), [=](auto& vs) {
        switch (op) {
            case 0:
                return observe(vs[k] == vs[l]);
            case 1:
                return observe(vs[k] != vs[l]);
            default:
                return observe(vs[k] < vs[l]);
        }
    });
}

Step StepMaker::querying(std::size_t k, const ReferenceVector& v) {
    const std::uint32_t op = below(4);
    const std::uint32_t i = index(v.razmer());
    constexpr const char* kNames[] = {"null()", "schet()", "find_next", "questions"};
    return makeStep(name(k) + "." + kNames[op] + (op == 2 ? args(i) : ""), [=](auto& vs) {
        const auto& x = vs[k];
        switch (op) {
            case 0:
                return observe(x.null());
            case 1:
                return observe(x.schet());
            case 2:
                return observe(x.find_next(i));
            default: {
                Observation o =
                    observe(x.razmer(), x.razmerUL(), x.est(), x.size(), x.empty(), x.any(),
                            x.none(), x.all(), x.count(), x.find_first(), x.expUL(), x.expStr());
                observeBuffer(o, x.to_string());
                return o;
            }
        }
    });
}

// The searches both ways, the set-bit view, the range counts and the set algebra.
Step StepMaker::searching(std::size_t k, const ReferenceVector& v) {
    const std::size_t l = slot();
    const std::uint32_t i = index(v.razmer());
    const std::uint32_t j = oneIn(4) ? kToEnd : index(v.razmer());
    const std::uint32_t op = below(6);
    constexpr const char* kNames[] = {"searches",          "schet", "all",
                                      "set algebra with ", " -= ",  " - "};
    std::string text = name(k) + "." + kNames[op] + args(i, j);
    if (op == 3) text = name(k) + "." + kNames[op] + name(l);
    if (op >= 4)
        text = op == 4 ? name(k) + kNames[op] + name(l)
                       : concat(name(k), " = ", name(l), kNames[op], name(k));
    return makeStep(text, [=](auto& vs) {
        auto& x = vs[k];
        switch (op) {
            case 0: {
                Observation o =
                    observe(x.find_first(i), x.find_last(), x.find_prev(i), x.find_first_unset(),
                            x.find_next_unset(i), x.find_last_unset(), x.find_prev_unset(i));
                for (const std::uint32_t bit : x.set_bits()) o.push_back(bit);
                return o;
            }
            case 1:
                return observe(x.schet(i, j));
            case 2:
                return observe(x.all(i, j));
            case 3:
                return observe(x.intersects(vs[l]), x.is_subset_of(vs[l]));
            case 4:
                return observe(&(x -= vs[l]) == &x);
            default:
                x = vs[l] - x;
                return Observation{};
        }
    });
}

Step StepMaker::ownWordImport(std::size_t k, const Vectors<ReferenceVector>& model) {
    // The words of vector l from word `skip` on, l often k itself; the range stays within the
    // bits they hold, as the storage bits past the size carry no meaning.
    const std::size_t l = oneIn(3) ? slot() : k;
    const ReferenceVector& source = model[l];
    const std::uint32_t skip = below(source.razmerUL());
    const std::uint32_t held = source.razmer() - 32 * skip;
    const std::uint32_t from = index(model[k].razmer());
    const std::uint32_t n = 1 + below(held);
    const std::uint32_t to = from > kLargest ? from : from + n - 1;
    const bool span = oneIn(2);
    // The whole-vector form too, which a short vector takes in a loop of its own: over its own
    // words when l is k and skip is 0, else another vector's. Only where those bits cover k.
    const bool whole = oneIn(4) && model[k].razmer() <= held;
    const std::string range =
        whole ? "" : concat(std::to_string(from), ", ", std::to_string(to), ", ");
    return makeStep(concat(name(k), ".impUL(", range, name(l), ".data() + ", std::to_string(skip),
                           span ? ", span)" : ")"),
                    [=](auto& vs) {
                        const std::uint32_t* p = vs[l].data() + skip;
                        const std::uint32_t count = vs[l].razmerUL() - skip;
                        auto& x = vs[k];
                        if (span) {
                            const auto s = std::span(p, count);
                            return observe(whole ? x.impUL(s) : x.impUL(from, to, s));
                        }
                        return observe(whole ? x.impUL(p, count) : x.impUL(from, to, p, count));
                    });
}

Step StepMaker::next(const Vectors<ReferenceVector>& model) {
    const std::size_t k = slot();
    const ReferenceVector& v = model[k];
    if (v.razmer() > kLargest) {
        const std::uint32_t n = size();
        return makeStep(name(k) + ".nado" + args(n),
                        [=](auto& vs) { return observe(&vs[k].nado(n) == &vs[k]); });
    }
    if (oneIn(16)) {
        const auto garbage = static_cast<std::uint32_t>(rng());
        return makeStep(concat("poison the spare bits of ", name(k)), [=](auto& vs) {
            poisonTail(vs[k], garbage);
            return Observation{};
        });
    }
    switch (below(19)) {
        case 0:
        case 1:
            return sizing(k);
        case 2:
        case 3:
        case 4:
            return bits(k, v);
        case 5:
        case 6:
            return textForm(k, v);
        case 7:
            return wordExport(k, v);
        case 8:
            return wordImport(k, v);
        case 9:
        case 10:
        case 11:
            return combining(k, v);
        case 12:
        case 13:
            return shifting(k);
        case 14:
            return comparing(k);
        case 15:
            return querying(k, v);
        case 16:
            return searching(k, v);
        case 17:
            return ownWordImport(k, model);
        default:
            return growing(k, v);
    }
}

// Growth that keeps the bits and the listed-bit forms; the spare storage they leave behind is
// what the other steps then meet.
Step StepMaker::growing(std::size_t k, const ReferenceVector& v) {
    const std::uint32_t n = v.razmer();
    const bool value = oneIn(2);
    switch (below(4)) {
        case 0: {
            const std::uint32_t m = oneIn(2) ? std::min(index(n), n + 100) : size();
            return makeStep(name(k) + ".resize" + args(m, value),
                            [=](auto& vs) { return observe(&vs[k].resize(m, value) == &vs[k]); });
        }
        case 1: {
            const std::uint32_t times = 1 + below(80);
            return makeStep(concat(name(k), ".push_back x", std::to_string(times)), [=](auto& vs) {
                for (std::uint32_t t = 0; t < times; ++t) vs[k].push_back(((t * 7) >> 2) % 3 == 0);
                return Observation{};
            });
        }
        case 2:
            return makeStep(name(k) + ".pop_back()",
                            [=](auto& vs) { return observe(&vs[k].pop_back() == &vs[k]); });
        default: {
            std::vector<std::uint32_t> listed(below(12));
            for (std::uint32_t& i : listed) i = oneIn(20) ? n : index(n);
            const std::uint32_t op = below(3);
            constexpr const char* kNames[] = {"vkl", "otkl", "invert"};
            return makeStep(concat(name(k), ".", kNames[op], "(", std::to_string(listed.size()),
                                   " listed bits)"),
                            [=](auto& vs) {
                                auto& x = vs[k];
                                const std::span<const std::uint32_t> s(listed);
                                if (op == 0) return observe(&x.vkl(s) == &x);
                                if (op == 1) return observe(&x.otkl(s) == &x);
                                return observe(&x.invert(s) == &x);
                            });
        }
    }
}

}  // namespace zf_test
