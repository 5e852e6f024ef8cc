// The three combining operations, for contenders that spell them as compound assignments.
#ifndef ZELMAR_FLAGROW_BENCH_LOGIC_H
#define ZELMAR_FLAGROW_BENCH_LOGIC_H

namespace bench {

enum class Logic { And, Or, Xor };

inline const char* logicName(Logic op) {
    return op == Logic::And ? "and" : op == Logic::Or ? "or" : "xor";
}

/// a op= b.
template <Logic op, class V, class W>
void combineInto(V& a, const W& b) {
    if constexpr (op == Logic::And) {
        a &= b;
    } else if constexpr (op == Logic::Or) {
        a |= b;
    } else {
        a ^= b;
    }
}

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_LOGIC_H
