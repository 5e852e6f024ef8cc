// Replaces every form of the global operator new and delete. The blocks come
// from malloc, so the sanitizers' leak checker still sees them.
#include "failing_new.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

// One thread only: the tests that arm a failure do not start threads.
bool armed = false;
bool hasFired = false;
std::uint64_t countdown = 0;
std::uint64_t counted = 0;
std::int64_t live = 0;

void* take(std::size_t size, std::size_t alignment) noexcept {
    ++counted;
    if (armed) {
        if (countdown == 0) {
            armed = false;
            hasFired = true;
            return nullptr;
        }
        --countdown;
    }
    if (size == 0) size = 1;
    void* p = nullptr;
    if (alignment <= alignof(std::max_align_t)) {
        p = std::malloc(size);
    } else {
        // aligned_alloc wants a size that is a multiple of the alignment.
        p = std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    }
    if (p != nullptr) ++live;
    return p;
}

void give(void* p) noexcept {
    if (p == nullptr) return;
    --live;
    std::free(p);
}

void* takeOrThrow(std::size_t size, std::size_t alignment) {
    void* p = take(size, alignment);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

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

void* operator new(std::size_t size) { return takeOrThrow(size, kPlain); }
void* operator new[](std::size_t size) { return takeOrThrow(size, kPlain); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return take(size, kPlain); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return take(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t al) {
    return takeOrThrow(size, static_cast<std::size_t>(al));
}
void* operator new[](std::size_t size, std::align_val_t al) {
    return takeOrThrow(size, static_cast<std::size_t>(al));
}
void* operator new(std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
    return take(size, static_cast<std::size_t>(al));
}
void* operator new[](std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
    return take(size, static_cast<std::size_t>(al));
}

void operator delete(void* p) noexcept { give(p); }
void operator delete[](void* p) noexcept { give(p); }
void operator delete(void* p, std::size_t) noexcept { give(p); }
void operator delete[](void* p, std::size_t) noexcept { give(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { give(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { give(p); }
void operator delete(void* p, std::align_val_t) noexcept { give(p); }
void operator delete[](void* p, std::align_val_t) noexcept { give(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { give(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { give(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { give(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { give(p); }
