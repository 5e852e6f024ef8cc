// A hint to the operating system for big word arrays.
#ifndef ZELMAR_FLAGROW_LARGE_PAGES_H
#define ZELMAR_FLAGROW_LARGE_PAGES_H

#include <cstddef>

namespace Quandrelissa::detail {

/// Below a few large pages the ordinary pages cost little and the hint buys nothing.
inline constexpr std::size_t kLargePagesFrom = std::size_t{8} << 20;

/// Asks for large pages behind a freshly allocated array that has not been touched yet: a
/// vector of 2^30 bits then takes 64 page faults instead of 32768. Does nothing where the
/// system offers no such hint, and for arrays below kLargePagesFrom bytes.
void adviseLargePagesFor(void* start, std::size_t bytes) noexcept;

/// adviseLargePagesFor() without a call for the short arrays, which most vectors have.
inline void adviseLargePages(void* start, std::size_t bytes) noexcept {
    if (bytes >= kLargePagesFrom) adviseLargePagesFor(start, bytes);
}

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_LARGE_PAGES_H
