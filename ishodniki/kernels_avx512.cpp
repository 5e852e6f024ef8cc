// Kernels for CPUs with AVX-512 F, BW, VL and VPOPCNTDQ; this file alone is compiled for them.
// Tails shorter than a register go to the portable kernels.
// GCC 12 warns about its own placeholder for undefined register contents inside the AVX-512
// intrinsics' headers; the warning is about that header, not about this code.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#else
#include <immintrin.h>
#endif

#include "kernels.h"
#include "lane_loops.h"
#include "word_loops.h"

namespace Quandrelissa::detail {
namespace {

// The register type of this file, for the shared funnel loops and the loops below.
struct Lanes {
    using Reg = __m512i;
    static constexpr std::size_t kWords = 16;
    static Reg load(const std::uint32_t* p) noexcept { return _mm512_loadu_si512(p); }
    static void store(std::uint32_t* p, Reg v) noexcept { _mm512_storeu_si512(p, v); }
    static __m128i count(unsigned b) noexcept { return _mm_cvtsi32_si128(static_cast<int>(b)); }
    static Reg shiftRight(Reg v, __m128i n) noexcept { return _mm512_srl_epi32(v, n); }
    static Reg shiftLeft(Reg v, __m128i n) noexcept { return _mm512_sll_epi32(v, n); }
    static Reg merge(Reg a, Reg b) noexcept { return _mm512_or_si512(a, b); }
    static bool any(Reg v) noexcept { return _mm512_test_epi32_mask(v, v) != 0; }
};

std::uint64_t popcount(const std::uint32_t* w, std::size_t n) noexcept {
    __m512i sum0 = _mm512_setzero_si512();
    __m512i sum1 = _mm512_setzero_si512();
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        sum0 = _mm512_add_epi64(sum0, _mm512_popcnt_epi64(Lanes::load(w + i)));
        sum1 = _mm512_add_epi64(sum1, _mm512_popcnt_epi64(Lanes::load(w + i + 16)));
    }
    const auto total =
        static_cast<std::uint64_t>(_mm512_reduce_add_epi64(_mm512_add_epi64(sum0, sum1)));
    return total + portableKernels.popcount(w + i, n - i);
}

// Sixty-four bits are a byte mask: one blend writes their characters.
void bitsToText(const std::uint32_t* w, std::size_t n, char* out) noexcept {
    const __m512i zero = _mm512_set1_epi8('0');
    const __m512i one = _mm512_set1_epi8('1');
    const std::size_t full = n / 64;
    for (std::size_t k = 0; k < full; ++k) {
        const __mmask64 bits = w[2 * k] | std::uint64_t{w[2 * k + 1]} << 32;
        _mm512_storeu_si512(out + 64 * k, _mm512_mask_blend_epi8(bits, zero, one));
    }
    portableKernels.bitsToText(w + 2 * full, n - 64 * full, out + 64 * full);
}

void textToBits(const char* text, std::size_t n, std::uint32_t* out) noexcept {
    const __m512i zero = _mm512_set1_epi8('0');
    const std::size_t full = n / 64;
    for (std::size_t k = 0; k < full; ++k) {
        const __mmask64 set = _mm512_cmpneq_epi8_mask(_mm512_loadu_si512(text + 64 * k), zero);
        out[2 * k] = static_cast<std::uint32_t>(set);
        out[2 * k + 1] = static_cast<std::uint32_t>(set >> 32);
    }
    if (n % 64 != 0) portableKernels.textToBits(text + 64 * full, n % 64, out + 2 * full);
}

}  // namespace

constinit const Kernels avx512Kernels =
    withWordLoops(popcount, findNonZeroWith<Lanes>, funnelDownWith<Lanes>, funnelUpWith<Lanes>,
                  bitsToText, textToBits);

}  // namespace Quandrelissa::detail
