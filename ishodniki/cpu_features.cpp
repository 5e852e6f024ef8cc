// Asks the CPU once which of the features of cpu_features.h it has.
#include "cpu_features.h"

namespace Quandrelissa::detail {
namespace {

CpuFeatures detect() noexcept {
#if defined(ZELMAR_FLAGROW_X86_KERNELS)
    // The runtime reports AVX and AVX-512 features only when the OS saves their registers
    // (XGETBV), so no separate check of the OS is needed.
    __builtin_cpu_init();
    CpuFeatures has = 0;
    if (__builtin_cpu_supports("popcnt")) has |= popcnt;
    if (__builtin_cpu_supports("bmi2")) has |= bmi2;
    if (__builtin_cpu_supports("avx")) has |= avx;
    if (__builtin_cpu_supports("avx2")) has |= avx2;
    if (__builtin_cpu_supports("avx512f")) has |= avx512f;
    if (__builtin_cpu_supports("avx512bw")) has |= avx512bw;
    if (__builtin_cpu_supports("avx512vl")) has |= avx512vl;
    if (__builtin_cpu_supports("avx512vpopcntdq")) has |= avx512vpopcntdq;
    if (__builtin_cpu_supports("avx512vbmi2")) has |= avx512vbmi2;
    return has;
#else
    // Only the portable family is built here; whatever the whole build was compiled for is
    // taken as present, as every other file of the library assumes it too.
    return kCompiledFeatures;
#endif
}

}  // namespace

CpuFeatures cpuFeatures() noexcept {
    static const CpuFeatures has = detect();
    return has;
}

}  // namespace Quandrelissa::detail
