// Every form of the global operator new and delete, replaced for the whole benchmark program.
// Sizes come from malloc_usable_size on both sides, so an unsized delete balances its new. The
// program runs its rows on one thread, and counting stays off outside a watch, so plain
// variables do and the timed loops pay one test per call.
#include "heap.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace bench::heap {
namespace {

bool watching = false;
std::ptrdiff_t balance = 0;
std::ptrdiff_t highest = 0;

void* taken(void* p) noexcept {
    if (watching && p != nullptr) {
        balance += static_cast<std::ptrdiff_t>(malloc_usable_size(p));
        if (balance > highest) highest = balance;
    }
    return p;
}

void release(void* p) noexcept {
    if (watching && p != nullptr) balance -= static_cast<std::ptrdiff_t>(malloc_usable_size(p));
    std::free(p);
}

void* take(std::size_t size, std::size_t alignment) noexcept {
    if (size == 0) size = 1;
    if (alignment <= alignof(std::max_align_t)) return taken(std::malloc(size));
    return taken(std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment));
}

void* takeOrThrow(std::size_t size, std::size_t alignment) {
    void* p = take(size, alignment);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

}  // namespace

void startWatch() noexcept {
    balance = 0;
    highest = 0;
    watching = true;
}

std::size_t stopWatch() noexcept {
    watching = false;
    return static_cast<std::size_t>(highest);
}

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
