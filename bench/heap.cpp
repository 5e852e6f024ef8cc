// The benchmark program's heap, counted by the hook under the replaced operator new and delete
// (tests/support/replaced_new.cpp). Sizes come from malloc_usable_size on both sides, so an
// unsized delete balances its new. The program runs its rows on one thread, and counting stays
// off outside a watch, so plain variables do and the timed loops pay one test per call.
#include "heap.h"

#include <malloc.h>

#include <cstddef>
#include <cstdlib>

#include "replaced_new.h"

namespace {

bool watching = false;
std::ptrdiff_t balance = 0;
std::ptrdiff_t highest = 0;

}  // namespace

void bench::heap::startWatch() noexcept {
    balance = 0;
    highest = 0;
    watching = true;
}

std::size_t bench::heap::stopWatch() noexcept {
    watching = false;
    return static_cast<std::size_t>(highest);
}

void* zf_new::allocate(std::size_t size, std::size_t alignment) noexcept {
    void* p = mallocBlock(size, alignment);
    if (watching && p != nullptr) {
        balance += static_cast<std::ptrdiff_t>(malloc_usable_size(p));
        if (balance > highest) highest = balance;
    }
    return p;
}

void zf_new::release(void* p) noexcept {
    if (watching && p != nullptr) balance -= static_cast<std::ptrdiff_t>(malloc_usable_size(p));
    std::free(p);
}
