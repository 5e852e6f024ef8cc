// The rows of one size, group by group; main registers them for every size.
#ifndef ZELMAR_FLAGROW_BENCH_ROW_GROUPS_H
#define ZELMAR_FLAGROW_BENCH_ROW_GROUPS_H

namespace bench {

/// count, any, any_range, eq.
void registerQueries(unsigned lg);
/// and, or, xor on equal sizes and on a shorter right operand; not.
void registerLogic(unsigned lg);
/// shl and shr by 1, 32, 33 and half the size.
void registerShifts(unsigned lg);
/// set_range, clear_range, flip_range.
void registerRanges(unsigned lg);
/// to_text, from_text.
void registerText(unsigned lg);
/// to_words, from_words, their ranges, and from_words_grow.
void registerWords(unsigned lg);
/// plus, append, copy, nado.
void registerGrowth(unsigned lg);
/// set_bit and test_bit loops, sequential and random.
void registerSingleBits(unsigned lg);
/// find_next, find_prev, find_next_unset, count_range, intersects, is_subset_of, subtract.
void registerSearches(unsigned lg);
/// push_back loops beside the peers; save and load of the binary form.
void registerPushAndFiles(unsigned lg);

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_ROW_GROUPS_H
