// Kernels in plain C++: the fallback of every build and the only family off x86-64.
#include <array>
#include <bit>
#include <cstring>

#include "ZELMAR_FLAGROW.h"
#include "kernels.h"
#include "word_loops.h"

namespace Quandrelissa::detail {
namespace {

std::size_t findNonZero(const std::uint32_t* w, std::size_t n) noexcept {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        if ((w[i] | w[i + 1] | w[i + 2] | w[i + 3] | w[i + 4] | w[i + 5] | w[i + 6] | w[i + 7]) !=
            0)
            break;
    }
    while (i < n && w[i] == 0) ++i;
    return i;
}

void funnelDown(std::uint32_t* dst, const std::uint32_t* src, std::size_t n, unsigned b) noexcept {
    for (std::size_t i = 0; i < n; ++i) dst[i] = src[i] >> b | src[i + 1] << (32 - b);
}

void funnelUp(std::uint32_t* dst, const std::uint32_t* src, std::size_t n, unsigned b) noexcept {
    // The caller passes src one word into its array, so src - 1 is readable. Writing it as
    // src[i - 1] instead would wrap the unsigned index at i = 0 into an out-of-range pointer
    // sum, which the fuzzer caught; keep the pointer arithmetic in this order.
    for (std::size_t i = n; i-- > 0;) dst[i] = src[i] << b | *(src + i - 1) >> (32 - b);
}

// Eight characters per byte of bits, bit 0 first.
constexpr auto kByteText = [] {
    std::array<std::array<char, 8>, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte)
        for (unsigned bit = 0; bit < 8; ++bit) table[byte][bit] = (byte >> bit & 1u) ? '1' : '0';
    return table;
}();

void bitsToText(const std::uint32_t* w, std::size_t n, char* out) noexcept {
    const std::size_t bytes = n / 8;
    for (std::size_t k = 0; k < bytes; ++k)
        std::memcpy(out + 8 * k, kByteText[(w[k / 4] >> (8 * (k % 4))) & 0xFFu].data(), 8);
    for (std::size_t i = 8 * bytes; i < n; ++i) out[i] = (w[i / 32] >> (i % 32) & 1u) ? '1' : '0';
}

// Eight characters to eight bits: each byte that differs from '0' gets its top bit set, and
// one multiplication gathers the eight top bits into the top byte in character order.
std::uint32_t eightChars(const char* text) noexcept {
    std::uint64_t x;
    std::memcpy(&x, text, 8);
    x ^= 0x3030303030303030u;
    x = ((x & 0x7F7F7F7F7F7F7F7Fu) + 0x7F7F7F7F7F7F7F7Fu) | x;
    x = (x >> 7) & 0x0101010101010101u;
    return static_cast<std::uint32_t>((x * 0x0102040810204080u) >> 56);
}

void textToBits(const char* text, std::size_t n, std::uint32_t* out) noexcept {
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 32 <= n; i += 32)
            out[i / 32] = eightChars(text + i) | eightChars(text + i + 8) << 8 |
                          eightChars(text + i + 16) << 16 | eightChars(text + i + 24) << 24;
    }
    for (; i < n; i += 32) {
        std::uint32_t word = 0;
        const std::size_t end = n - i < 32 ? n - i : 32;
        for (std::size_t k = 0; k < end; ++k) word |= std::uint32_t{text[i + k] != '0'} << k;
        out[i / 32] = word;
    }
}

}  // namespace

constinit const Kernels portableKernels = {
    .name = "portable",
    .needs = kCompiledFeatures,
    .popcount = popcountWords,
    .findNonZero = findNonZero,
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
