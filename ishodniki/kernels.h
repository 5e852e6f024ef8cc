// The word loops that dominate the running time, one table per kernel family.
// Every kernel works on whole words and never throws; the members check and size first.
//
// A slot: declare it below, fill it in every table (each is written with designated
// initializers, so the compiler names a slot left out), and let the tests reach it in every
// family: the differential engine switches families by itself.
//
// A family touches these places, and no others:
//   1. a file kernels_<name>.cpp with its table, `constinit const Kernels <name>Kernels`;
//   2. its extern declaration below, inside the #if of its architecture:
//      ZELMAR_FLAGROW_X86_KERNELS for x86-64; a family of another architecture gets a macro of
//      its own, defined in ishodniki/CMakeLists.txt where its flags are found to work;
//   3. its flags in ishodniki/CMakeLists.txt (ZELMAR_FLAGROW_WIDE_FAMILIES and
//      ZELMAR_FLAGROW_FLAGS_<name>); a feature cpu_features.h does not know yet is added there
//      and in cpu_features.cpp first;
//   4. its place in kFamilies of dispatch.cpp, ordered by width, inside the same #if.
// Tests, benchmarks and the fuzzer take the list from dispatch.cpp.
#ifndef ZELMAR_FLAGROW_KERNELS_H
#define ZELMAR_FLAGROW_KERNELS_H

#include <cstddef>
#include <cstdint>

#include "cpu_features.h"

namespace Quandrelissa::detail {

struct Kernels {
    /// The family's name, as tests, benchmarks and the fuzzer show it.
    const char* name;
    /// The features the family's file is compiled for (its kCompiledFeatures, so that the flags
    /// and the run-time check cannot part); it runs only where the CPU has them all.
    CpuFeatures needs;
    /// Set bits in words 0 .. n - 1.
    std::uint64_t (*popcount)(const std::uint32_t* w, std::size_t n) noexcept;
    /// Index of the first non-zero word among 0 .. n - 1, or n.
    std::size_t (*findNonZero)(const std::uint32_t* w, std::size_t n) noexcept;
    /// dst[i] = a[i] op b[i] for i < n; dst may be a itself.
    void (*andWords)(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                     std::size_t n) noexcept;
    void (*orWords)(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                    std::size_t n) noexcept;
    void (*xorWords)(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                     std::size_t n) noexcept;
    /// dst[i] = a[i] & ~b[i] for i < n; dst may be a itself.
    void (*andNotWords)(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                        std::size_t n) noexcept;
    /// The set bits of a[i] op b[i] over i < n, op being and, or, xor and and-not (a[i] & ~b[i]).
    std::uint64_t (*countAnd)(const std::uint32_t* a, const std::uint32_t* b,
                              std::size_t n) noexcept;
    std::uint64_t (*countOr)(const std::uint32_t* a, const std::uint32_t* b,
                             std::size_t n) noexcept;
    std::uint64_t (*countXor)(const std::uint32_t* a, const std::uint32_t* b,
                              std::size_t n) noexcept;
    std::uint64_t (*countAndNot)(const std::uint32_t* a, const std::uint32_t* b,
                                 std::size_t n) noexcept;
    /// dst[i] = ~src[i] for i < n; dst may be src itself.
    void (*notWords)(std::uint32_t* dst, const std::uint32_t* src, std::size_t n) noexcept;
    /// dst[i] = src[i] >> b | src[i + 1] << (32 - b) for i < n, ascending, 0 < b < 32: reads
    /// src[0 .. n]; dst may lie at or below src in the same array.
    void (*funnelDown)(std::uint32_t* dst, const std::uint32_t* src, std::size_t n,
                       unsigned b) noexcept;
    /// dst[i] = src[i] << b | src[i - 1] >> (32 - b) for i < n, descending, 0 < b < 32: reads
    /// src[-1 .. n - 1]; dst may lie at or above src in the same array.
    void (*funnelUp)(std::uint32_t* dst, const std::uint32_t* src, std::size_t n,
                     unsigned b) noexcept;
    /// Writes bits 0 .. n - 1 of `w` as n characters '0'/'1'.
    void (*bitsToText)(const std::uint32_t* w, std::size_t n, char* out) noexcept;
    /// Packs n characters into the first (n + 31) / 32 words, any byte but '0' a set bit;
    /// the bits of the last word past n become 0.
    void (*textToBits)(const char* text, std::size_t n, std::uint32_t* out) noexcept;
};

extern const Kernels portableKernels;
#if defined(ZELMAR_FLAGROW_X86_KERNELS)
extern const Kernels avx2Kernels;
extern const Kernels avx512Kernels;
#endif

/// The table of the family in use (see dispatch.h); its name says which.
const Kernels& kernels() noexcept;

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_KERNELS_H
