// Picks the kernel table once, from what the CPU reports, unless a test forces a family.
#include "dispatch.h"

#include <atomic>

namespace Quandrelissa::detail {
namespace {

// The one list of families, narrowest first: the selection takes the last one the CPU runs.
constexpr const Kernels* kFamilies[] = {
    &portableKernels,
#if defined(ZELMAR_FLAGROW_X86_KERNELS)
    &avx2Kernels,
    &avx512Kernels,
#endif
};

// Null until first use, so that vectors built by static initialisers elsewhere still find a
// table; an atomic because two threads may race to fill it in (both store the same value).
std::atomic<const Kernels*> active{nullptr};

// The widest family at or below `index` that this CPU runs; the portable one when none does,
// as the whole library then needs what the portable one needs.
std::size_t runnableAtOrBelow(std::size_t index) noexcept {
    while (index > 0 && !runsHere(*kFamilies[index])) --index;
    return index;
}

}  // namespace

std::span<const Kernels* const> kernelFamilies() noexcept { return kFamilies; }

bool runsHere(const Kernels& family) noexcept { return (family.needs & ~cpuFeatures()) == 0; }

std::size_t bestFamily() noexcept {
    static const std::size_t best = runnableAtOrBelow(std::size(kFamilies) - 1);
    return best;
}

void useFamily(std::size_t index) noexcept {
    const std::size_t last = std::size(kFamilies) - 1;
    active.store(kFamilies[runnableAtOrBelow(index < last ? index : last)],
                 std::memory_order_release);
}

const Kernels& kernels() noexcept {
    const Kernels* table = active.load(std::memory_order_acquire);
    if (table == nullptr) [[unlikely]] {
        table = kFamilies[bestFamily()];
        active.store(table, std::memory_order_release);
    }
    return *table;
}

}  // namespace Quandrelissa::detail
