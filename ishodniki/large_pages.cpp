#include "large_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace Quandrelissa::detail {

#if defined(__linux__) && defined(MADV_HUGEPAGE)

void adviseLargePagesFor(void* start, std::size_t bytes) noexcept {
    constexpr std::uintptr_t kLargePage = std::uintptr_t{1} << 21;
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kLargePage - 1);
    // Only a hint: when the system refuses, the ordinary pages serve as before.
    if (last > first) {
        (void)madvise(static_cast<char*>(start) + (first - begin), last - first, MADV_HUGEPAGE);
    }
}

#else

void adviseLargePagesFor(void*, std::size_t) noexcept {}

#endif

}  // namespace Quandrelissa::detail
