// The hook under the replaced operator new and delete (tests/support/replaced_new.cpp). The
// blocks come from malloc, so the sanitizers' leak checker still sees them.
#include "failing_new.h"

#include <cstddef>
#include <cstdlib>

#include "replaced_new.h"

namespace {

// One thread only: the tests that arm a failure do not start threads.
bool armed = false;
bool hasFired = false;
std::uint64_t countdown = 0;
std::uint64_t counted = 0;
std::int64_t live = 0;

}  // namespace

void* zf_new::allocate(std::size_t size, std::size_t alignment) noexcept {
    ++counted;
    if (armed) {
        if (countdown == 0) {
            armed = false;
            hasFired = true;
            return nullptr;
        }
        --countdown;
    }
    void* p = mallocBlock(size, alignment);
    if (p != nullptr) ++live;
    return p;
}

void zf_new::release(void* p) noexcept {
    if (p == nullptr) return;
    --live;
    std::free(p);
}

namespace zf_fault {

void failAllocation(std::uint64_t n) noexcept {
    armed = true;
    hasFired = false;
    countdown = n;
}
void disarm() noexcept { armed = false; }
bool fired() noexcept { return hasFired; }
std::uint64_t allocations() noexcept { return counted; }
void resetCount() noexcept { counted = 0; }
std::int64_t liveBlocks() noexcept { return live; }

}  // namespace zf_fault
