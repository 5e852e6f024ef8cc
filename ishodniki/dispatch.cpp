// Picks the kernel table once, from what the CPU reports, unless a test forces a family.
#include "dispatch.h"

#include <atomic>

#include "kernels.h"

namespace Quandrelissa::detail {
namespace {

Isa detectIsa() noexcept {
#if defined(ZELMAR_FLAGROW_X86_KERNELS)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vpopcntdq") &&
        __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi2"))
        return Isa::avx512;
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") &&
        __builtin_cpu_supports("popcnt"))
        return Isa::avx2;
#endif
    return Isa::portable;
}

const Kernels& tableFor(Isa isa) noexcept {
    switch (isa) {
#if defined(ZELMAR_FLAGROW_X86_KERNELS)
        case Isa::avx512:
            return avx512Kernels;
        case Isa::avx2:
            return avx2Kernels;
#endif
        default:
            return portableKernels;
    }
}

// Null until first use, so that vectors built by static initialisers elsewhere still find a
// table; an atomic because two threads may race to fill it in (both store the same value).
std::atomic<const Kernels*> active{nullptr};
std::atomic<Isa> activeFamily{Isa::portable};

void install(Isa isa) noexcept {
    activeFamily.store(isa, std::memory_order_relaxed);
    active.store(&tableFor(isa), std::memory_order_release);
}

}  // namespace

Isa bestIsa() noexcept {
    static const Isa best = detectIsa();
    return best;
}

Isa activeIsa() noexcept {
    kernels();
    return activeFamily.load(std::memory_order_relaxed);
}

void useIsa(Isa isa) noexcept { install(isa < bestIsa() ? isa : bestIsa()); }

const Kernels& kernels() noexcept {
    const Kernels* table = active.load(std::memory_order_acquire);
    if (table == nullptr) [[unlikely]] {
        install(bestIsa());
        table = active.load(std::memory_order_acquire);
    }
    return *table;
}

}  // namespace Quandrelissa::detail
