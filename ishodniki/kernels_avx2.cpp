// Kernels for CPUs with AVX2, BMI2 and POPCNT; this file alone is compiled for them. Tails
// shorter than a register go to the portable kernels.
#include <immintrin.h>

#include <cstring>

#include "kernels.h"
#include "lane_loops.h"
#include "word_loops.h"

namespace Quandrelissa::detail {
namespace {

// The register type of this file, for the loops of lane_loops.h and the ones below.
struct Lanes {
    using Reg = __m256i;
    static constexpr std::size_t kWords = 8;
    static Reg load(const std::uint32_t* p) noexcept {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    }
    static Reg merge(Reg a, Reg b) noexcept { return _mm256_or_si256(a, b); }
    static bool any(Reg v) noexcept { return !_mm256_testz_si256(v, v); }
};

void store(std::uint32_t* p, __m256i v) noexcept {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}

std::uint64_t popcount(const std::uint32_t* w, std::size_t n) noexcept {
    // Four independent sums keep the popcnt units busy instead of waiting on one another.
    std::uint64_t sum[4] = {};
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x[4];
        std::memcpy(x, w + i, sizeof x);
        for (int k = 0; k < 4; ++k) sum[k] += static_cast<std::uint64_t>(_mm_popcnt_u64(x[k]));
    }
    return sum[0] + sum[1] + sum[2] + sum[3] + portableKernels.popcount(w + i, n - i);
}

// Loads run ahead of the stores (or behind them, going down), so a destination that overlaps
// its source on the side the contract allows never clobbers a word still to be read.
void funnelDown(std::uint32_t* dst, const std::uint32_t* src, std::size_t n, unsigned b) noexcept {
    const __m128i right = _mm_cvtsi32_si128(static_cast<int>(b));
    const __m128i left = _mm_cvtsi32_si128(static_cast<int>(32 - b));
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        store(dst + i, _mm256_or_si256(_mm256_srl_epi32(Lanes::load(src + i), right),
                                       _mm256_sll_epi32(Lanes::load(src + i + 1), left)));
    portableKernels.funnelDown(dst + i, src + i, n - i, b);
}

void funnelUp(std::uint32_t* dst, const std::uint32_t* src, std::size_t n, unsigned b) noexcept {
    const __m128i left = _mm_cvtsi32_si128(static_cast<int>(b));
    const __m128i right = _mm_cvtsi32_si128(static_cast<int>(32 - b));
    std::size_t i = n;
    for (; i >= 8; i -= 8)
        store(dst + i - 8, _mm256_or_si256(_mm256_sll_epi32(Lanes::load(src + i - 8), left),
                                           _mm256_srl_epi32(Lanes::load(src + i - 9), right)));
    portableKernels.funnelUp(dst, src, i, b);
}

// A word spread over 32 bytes: byte k holds the word's byte k / 8, tested against bit k % 8.
void bitsToText(const std::uint32_t* w, std::size_t n, char* out) noexcept {
    const __m256i spread = _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2,
                                            2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3);
    const __m256i bit = _mm256_set1_epi64x(static_cast<long long>(0x8040201008040201u));
    const __m256i zero = _mm256_set1_epi8('0');
    const std::size_t full = n / 32;
    for (std::size_t k = 0; k < full; ++k) {
        const __m256i bytes =
            _mm256_shuffle_epi8(_mm256_set1_epi32(static_cast<int>(w[k])), spread);
        const __m256i set = _mm256_cmpeq_epi8(_mm256_and_si256(bytes, bit), bit);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 32 * k), _mm256_sub_epi8(zero, set));
    }
    portableKernels.bitsToText(w + full, n - 32 * full, out + 32 * full);
}

void textToBits(const char* text, std::size_t n, std::uint32_t* out) noexcept {
    const __m256i zero = _mm256_set1_epi8('0');
    const std::size_t full = n / 32;
    for (std::size_t k = 0; k < full; ++k) {
        const __m256i chars = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + 32 * k));
        out[k] = ~static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(chars, zero)));
    }
    if (n % 32 != 0) portableKernels.textToBits(text + 32 * full, n % 32, out + full);
}

}  // namespace

constinit const Kernels avx2Kernels = {
    .name = "avx2",
    .needs = kCompiledFeatures,
    .popcount = popcount,
    .findNonZero = findNonZeroWith<Lanes>,
    .andWords = combineWords<AndOp>,
    .orWords = combineWords<OrOp>,
    .xorWords = combineWords<XorOp>,
    .andNotWords = combineWords<AndNotOp>,
    .countAnd = countCombined<AndOp>,
    .countOr = countCombined<OrOp>,
    .countXor = countCombined<XorOp>,
    .countAndNot = countCombined<AndNotOp>,
    .notWords = notWords,
    .funnelDown = funnelDown,
    .funnelUp = funnelUp,
    .bitsToText = bitsToText,
    .textToBits = textToBits,
};

}  // namespace Quandrelissa::detail
