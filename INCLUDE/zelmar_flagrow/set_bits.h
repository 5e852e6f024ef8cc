// The walk over the set bits: the iterator holds the set bits still ahead in the 64-bit chunk it
// stands in, so that a step within a chunk clears one bit and counts trailing zeros, and only
// leaving a chunk reads memory. Included at the end of ZELMAR_FLAGROW.h; not a header of its own.
#ifndef ZELMAR_FLAGROW_SET_BITS_H
#define ZELMAR_FLAGROW_SET_BITS_H

namespace Quandrelissa {

// The last chunk may lack its second word, and its bits past size() carry no meaning.
inline auto ZELMAR_FLAGROW::SetBitsView::iterator::seek(std::uint32_t chunk) noexcept -> iterator& {
    const std::uint32_t* const w = vector_->words;
    const std::uint32_t bits = vector_->bitCount;
    const std::uint32_t whole = bits >> 6;
    for (; chunk < whole; ++chunk) {
        const std::uint32_t* const c = w + std::size_t{2} * chunk;
        const std::uint64_t x = c[0] | std::uint64_t{c[1]} << 32;
        if (x != 0) return stand(chunk, x);
    }
    if (chunk == whole && bits % 64 != 0) {
        const std::uint32_t* const c = w + std::size_t{2} * chunk;
        std::uint64_t x = c[0];
        if (bits % 64 > 32) x |= std::uint64_t{c[1]} << 32;
        x &= detail::lowMask64(bits);
        if (x != 0) return stand(chunk, x);
    }
    bit_ = bits;
    ahead_ = 0;
    return *this;
}

}  // namespace Quandrelissa

#endif  // ZELMAR_FLAGROW_SET_BITS_H
