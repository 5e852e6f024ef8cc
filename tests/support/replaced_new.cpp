#include "replaced_new.h"

#include <cstddef>
#include <new>

namespace {

constexpr std::size_t kPlain = alignof(std::max_align_t);

std::size_t asSize(std::align_val_t alignment) { return static_cast<std::size_t>(alignment); }

void* orThrow(void* p) {
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

}  // namespace

using zf_new::allocate;
using zf_new::release;

void* operator new(std::size_t n) { return orThrow(allocate(n, kPlain)); }
void* operator new[](std::size_t n) { return orThrow(allocate(n, kPlain)); }
void* operator new(std::size_t n, std::align_val_t a) { return orThrow(allocate(n, asSize(a))); }
void* operator new[](std::size_t n, std::align_val_t a) { return orThrow(allocate(n, asSize(a))); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return allocate(n, kPlain); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return allocate(n, kPlain); }
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocate(n, asSize(a));
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocate(n, asSize(a));
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
