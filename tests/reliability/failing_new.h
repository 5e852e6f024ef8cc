// A global allocator that can be told to fail one chosen allocation, and that
// counts the blocks still alive so a test can see a leak without a sanitizer.
#ifndef ZF_RELIABILITY_FAILING_NEW_H
#define ZF_RELIABILITY_FAILING_NEW_H

#include <cstdint>

namespace zf_fault {

/// Makes the allocation `n` places from now fail (0: the very next one); the
/// ones before and after it succeed.
void failAllocation(std::uint64_t n) noexcept;
/// Lets every allocation succeed again.
void disarm() noexcept;
/// Whether the armed failure has happened since the last failAllocation().
bool fired() noexcept;
/// Allocations made since the counter was last reset.
std::uint64_t allocations() noexcept;
/// Starts counting allocations from zero.
void resetCount() noexcept;
/// Blocks obtained from operator new and not yet given back.
std::int64_t liveBlocks() noexcept;

/// Keeps a failure armed for one scope, so an early exit still disarms it.
class FailNth {
public:
    explicit FailNth(std::uint64_t n) noexcept { failAllocation(n); }
    ~FailNth() { disarm(); }
    FailNth(const FailNth&) = delete;
    FailNth& operator=(const FailNth&) = delete;
};

}  // namespace zf_fault

#endif  // ZF_RELIABILITY_FAILING_NEW_H
