// Kernels for CPUs with AVX-512 F, BW, VL, VPOPCNTDQ and VBMI2; this file alone is compiled for
// them. Tails shorter than a register go to the portable kernels. GCC 12 warns about its own
// placeholder for undefined register contents inside the AVX-512 intrinsics' headers; the warning
// is about that header, not about this code.
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

// The register type of this file, for the loops of lane_loops.h and the ones below.
struct Lanes {
    using Reg = __m512i;
    static constexpr std::size_t kWords = 16;
    static Reg load(const std::uint32_t* p) noexcept { return _mm512_loadu_si512(p); }
    static Reg merge(Reg a, Reg b) noexcept { return _mm512_or_si512(a, b); }
    static bool any(Reg v) noexcept { return _mm512_test_epi32_mask(v, v) != 0; }
};

void store(std::uint32_t* p, __m512i v) noexcept { _mm512_storeu_si512(p, v); }

// The first n words of a register, n < 16.
__mmask16 firstWords(std::size_t n) noexcept { return static_cast<__mmask16>((1u << n) - 1); }

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

// The set bits of op(a[i], b[i]) a register at a time; fewer words than a register go to the
// word loop, which this file compiles with the popcnt instruction.
template <class Op>
std::uint64_t countCombinedLanes(const std::uint32_t* a, const std::uint32_t* b,
                                 std::size_t n) noexcept {
    const Op op;
    __m512i sum0 = _mm512_setzero_si512();
    __m512i sum1 = _mm512_setzero_si512();
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        sum0 =
            _mm512_add_epi64(sum0, _mm512_popcnt_epi64(op(Lanes::load(a + i), Lanes::load(b + i))));
        sum1 = _mm512_add_epi64(
            sum1, _mm512_popcnt_epi64(op(Lanes::load(a + i + 16), Lanes::load(b + i + 16))));
    }
    if (i + 16 <= n) {
        sum0 =
            _mm512_add_epi64(sum0, _mm512_popcnt_epi64(op(Lanes::load(a + i), Lanes::load(b + i))));
        i += 16;
    }
    const auto total =
        static_cast<std::uint64_t>(_mm512_reduce_add_epi64(_mm512_add_epi64(sum0, sum1)));
    return total + countCombined<Op>(a + i, b + i, n - i);
}

// One load per register: the neighbour words come from the register loaded next (valignd),
// and VBMI2's double shift joins each word pair in one instruction. The loads run ahead of the
// stores, so a destination at or below the source never clobbers a word still to be read.
void funnelDown(std::uint32_t* dst, const std::uint32_t* src, std::size_t n, unsigned b) noexcept {
    const __m512i shift = _mm512_set1_epi32(static_cast<int>(b));
    std::size_t i = 0;
    if (n >= 31) {
        __m512i cur = Lanes::load(src);
        for (; i + 31 <= n; i += 16) {
            const __m512i next = Lanes::load(src + i + 16);
            store(dst + i, _mm512_shrdv_epi32(cur, _mm512_alignr_epi32(next, cur, 1), shift));
            cur = next;
        }
    }
    for (; i + 16 <= n; i += 16)
        store(dst + i, _mm512_shrdv_epi32(Lanes::load(src + i), Lanes::load(src + i + 1), shift));
    if (i < n) {
        const __mmask16 part = firstWords(n - i);
        _mm512_mask_storeu_epi32(
            dst + i, part,
            _mm512_shrdv_epi32(_mm512_maskz_loadu_epi32(part, src + i),
                               _mm512_maskz_loadu_epi32(part, src + i + 1), shift));
    }
}

// The same going down from the top, for a destination at or above the source.
void funnelUp(std::uint32_t* dst, const std::uint32_t* src, std::size_t n, unsigned b) noexcept {
    const __m512i shift = _mm512_set1_epi32(static_cast<int>(b));
    std::size_t i = n;
    if (i >= 32) {
        __m512i cur = Lanes::load(src + i - 16);
        for (; i >= 32; i -= 16) {
            const __m512i lower = Lanes::load(src + i - 32);
            store(dst + i - 16,
                  _mm512_shldv_epi32(cur, _mm512_alignr_epi32(cur, lower, 15), shift));
            cur = lower;
        }
    }
    for (; i >= 16; i -= 16)
        store(dst + i - 16,
              _mm512_shldv_epi32(Lanes::load(src + i - 16), Lanes::load(src + i - 17), shift));
    if (i > 0) {
        const __mmask16 part = firstWords(i);
        _mm512_mask_storeu_epi32(
            dst, part,
            _mm512_shldv_epi32(_mm512_maskz_loadu_epi32(part, src),
                               _mm512_maskz_loadu_epi32(part, src - 1), shift));
    }
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

constinit const Kernels avx512Kernels = {
    .name = "avx512",
    .needs = kCompiledFeatures,
    .popcount = popcount,
    .findNonZero = findNonZeroWith<Lanes>,
    .andWords = combineWords<AndOp>,
    .orWords = combineWords<OrOp>,
    .xorWords = combineWords<XorOp>,
    .andNotWords = combineWords<AndNotOp>,
    .countAnd = countCombinedLanes<AndOp>,
    .countOr = countCombinedLanes<OrOp>,
    .countXor = countCombinedLanes<XorOp>,
    .countAndNot = countCombinedLanes<AndNotOp>,
    .notWords = notWords,
    .funnelDown = funnelDown,
    .funnelUp = funnelUp,
    .bitsToText = bitsToText,
    .textToBits = textToBits,
};

}  // namespace Quandrelissa::detail
