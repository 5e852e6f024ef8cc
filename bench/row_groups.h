// The rows of one size, group by group; main registers them for every size.
#ifndef ZELMAR_FLAGROW_BENCH_ROW_GROUPS_H
#define ZELMAR_FLAGROW_BENCH_ROW_GROUPS_H

#include "rows.h"

namespace bench {

/// count, any, any_range, eq.
void registerQueries(Size size);
/// and, or, xor on equal sizes and on a shorter right operand; not.
void registerLogic(Size size);
/// shl and shr by 1, 32, 33 and half the size.
void registerShifts(Size size);
/// set_range, clear_range, flip_range.
void registerRanges(Size size);
/// to_text, from_text.
void registerText(Size size);
/// to_words, from_words, their ranges, and from_words_grow.
void registerWords(Size size);
/// plus, append, copy, nado.
void registerGrowth(Size size);
/// set_bit and test_bit loops, sequential and random.
void registerSingleBits(Size size);
/// find_next, find_prev, find_next_unset, count_range, intersects, is_subset_of, subtract.
void registerSearches(Size size);
/// Every bit read in order: walk_iter through the iterators, walk_index by v[i], walk_test by
/// test(i).
void registerBitWalks(Size size);
/// push_back loops beside the peers; save and load of the binary form.
void registerPushAndFiles(Size size);
/// The push_back loops alone.
void registerPushBack(Size size);

// Rows of their own sizes, registered once.

/// Every set bit of 2^22 bits at 0.1 %, 10 % and 50 % density, and the plain word loop's limit.
void registerWalks();
/// The sieve, the breadth-first search, all pairs of small sets, building 10^6 bits by push_back.
void registerWorkloads();

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_ROW_GROUPS_H
