// The CPU features a kernel family may be compiled for, and which of them this machine offers.
#ifndef ZELMAR_FLAGROW_CPU_FEATURES_H
#define ZELMAR_FLAGROW_CPU_FEATURES_H

#include <cstdint>

namespace Quandrelissa::detail {

/// One bit per feature; a family needs the set its file is compiled for.
using CpuFeatures = std::uint32_t;

enum CpuFeature : CpuFeatures {
    popcnt = 1U << 0,
    bmi2 = 1U << 1,
    avx = 1U << 2,
    avx2 = 1U << 3,
    avx512f = 1U << 4,
    avx512bw = 1U << 5,
    avx512vl = 1U << 6,
    avx512vpopcntdq = 1U << 7,
    avx512vbmi2 = 1U << 8,
};

// What the including file's -m flags let the compiler use, read from the macros the compiler
// defines for them, so that a table needs exactly what its file is built for. A flag added in
// ishodniki/CMakeLists.txt needs its feature here and in cpu_features.cpp. Internal linkage: every
// file has its own value.
constexpr CpuFeatures kCompiledFeatures = 0
#if defined(__POPCNT__)
                                          | popcnt
#endif
#if defined(__BMI2__)
                                          | bmi2
#endif
#if defined(__AVX__)
                                          | avx
#endif
#if defined(__AVX2__)
                                          | avx2
#endif
#if defined(__AVX512F__)
                                          | avx512f
#endif
#if defined(__AVX512BW__)
                                          | avx512bw
#endif
#if defined(__AVX512VL__)
                                          | avx512vl
#endif
#if defined(__AVX512VPOPCNTDQ__)
                                          | avx512vpopcntdq
#endif
#if defined(__AVX512VBMI2__)
                                          | avx512vbmi2
#endif
    ;

/// The features this CPU offers and its OS saves the registers of; asked once.
CpuFeatures cpuFeatures() noexcept;

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_CPU_FEATURES_H
