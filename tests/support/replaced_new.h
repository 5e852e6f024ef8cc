// Every replaceable form of the global operator new and delete, defined once in replaced_new.cpp
// over two functions that the program linking that file supplies: the benchmark counts its heap
// through them, the reliability tests make a chosen allocation fail. Only one such pair, and so
// only one user, per program.
#ifndef ZELMAR_FLAGROW_TESTS_REPLACED_NEW_H
#define ZELMAR_FLAGROW_TESTS_REPLACED_NEW_H

#include <cstddef>
#include <cstdlib>

namespace zf_new {

/// A block of at least `size` bytes aligned to `alignment`, or nullptr, which the throwing forms
/// turn into std::bad_alloc. Every form of new, plain, array, aligned and nothrow, comes here.
void* allocate(std::size_t size, std::size_t alignment) noexcept;
/// Gives back a block from allocate(), or nothing for nullptr. Every form of delete, sized or not,
/// comes here, so a user that needs a block's size asks the allocator for it.
void release(void* p) noexcept;

/// A block from malloc, or from aligned_alloc past malloc's own alignment, for allocate() to hand
/// out and release() to free; nullptr when memory is out. A size of 0 still takes a block: each
/// new must return a pointer of its own.
inline void* mallocBlock(std::size_t size, std::size_t alignment) noexcept {
    if (size == 0) size = 1;
    if (alignment <= alignof(std::max_align_t)) return std::malloc(size);
    // aligned_alloc wants a size that is a multiple of the alignment.
    return std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
}

}  // namespace zf_new

#endif  // ZELMAR_FLAGROW_TESTS_REPLACED_NEW_H
