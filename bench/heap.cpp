// Every form of the global operator new and delete, replaced for the whole benchmark program.
// Sizes come from malloc_usable_size on both sides, so an unsized delete balances its new.
#include "heap.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace bench::heap {
namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* counted(void* p) noexcept {
    if (p == nullptr) return p;
    const std::size_t size = malloc_usable_size(p);
    const std::size_t now = liveBytes.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t high = peakBytes.load(std::memory_order_relaxed);
    while (now > high && !peakBytes.compare_exchange_weak(high, now, std::memory_order_relaxed)) {
    }
    return p;
}

void release(void* p) noexcept {
    if (p == nullptr) return;
    liveBytes.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
    std::free(p);
}

void* take(std::size_t size, std::size_t alignment) noexcept {
    if (size == 0) size = 1;
    if (alignment <= alignof(std::max_align_t)) return counted(std::malloc(size));
    return counted(std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment));
}

void* takeOrThrow(std::size_t size, std::size_t alignment) {
    void* p = take(size, alignment);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

}  // namespace

std::size_t live() noexcept { return liveBytes.load(std::memory_order_relaxed); }
std::size_t peak() noexcept { return peakBytes.load(std::memory_order_relaxed); }
void restartPeak() noexcept { peakBytes.store(live(), std::memory_order_relaxed); }

}  // namespace bench::heap

using bench::heap::release;
using bench::heap::take;
using bench::heap::takeOrThrow;

namespace {
constexpr std::size_t kPlain = alignof(std::max_align_t);
auto asSize(std::align_val_t a) { return static_cast<std::size_t>(a); }
}  // namespace

void* operator new(std::size_t n) { return takeOrThrow(n, kPlain); }
void* operator new[](std::size_t n) { return takeOrThrow(n, kPlain); }
void* operator new(std::size_t n, std::align_val_t a) { return takeOrThrow(n, asSize(a)); }
void* operator new[](std::size_t n, std::align_val_t a) { return takeOrThrow(n, asSize(a)); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return take(n, kPlain); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return take(n, kPlain); }
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return take(n, asSize(a));
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return take(n, asSize(a));
}

void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
