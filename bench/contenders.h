// Who runs which rows. boost's rows are left out of a build without boost; std::bitset runs only
// at the sizes it is compiled for (atFixedSize).
#ifndef ZELMAR_FLAGROW_BENCH_CONTENDERS_H
#define ZELMAR_FLAGROW_BENCH_CONTENDERS_H

#include "contender_bitset.h"
#include "contender_ours.h"
#include "contender_raw.h"
#include "contender_vbool.h"
#if ZELMAR_FLAGROW_BENCH_BOOST
#include "contender_boost.h"
#endif

namespace bench {

template <class... Cs>
struct Contenders {
    /// Calls f.template operator()<C>() for every contender C, in order.
    template <class F>
    static void each(F f) {
        (f.template operator()<Cs>(), ...);
    }
};

#if ZELMAR_FLAGROW_BENCH_BOOST
/// Every contender: for operations that all of them offer.
using Everyone = Contenders<Ours, Boost, VBool, Raw>;
/// Those with whole-word combining, shifts and range flips (std::vector<bool> has none).
using WordWise = Contenders<Ours, Boost, Raw>;
/// Those with searches and subset tests on the vector itself.
using Searching = Contenders<Ours, Boost>;
#else
using Everyone = Contenders<Ours, VBool, Raw>;
using WordWise = Contenders<Ours, Raw>;
using Searching = Contenders<Ours>;
#endif
/// Those whose bits a loop walks through iterators and v[i] (boost's have no iterators before
/// 1.90).
using Iterating = Contenders<Ours, VBool>;
/// Operations no peer offers.
using OursAndRaw = Contenders<Ours, Raw>;

}  // namespace bench

#endif  // ZELMAR_FLAGROW_BENCH_CONTENDERS_H
