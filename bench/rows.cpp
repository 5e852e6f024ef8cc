#include "rows.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace bench {

std::vector<std::uint64_t> randomWords(std::size_t bits, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<std::uint64_t> words((bits + 63) / 64);
    for (auto& w : words) w = random();
    return words;
}

std::string randomText(std::size_t chars, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::string text(chars, '0');
    for (std::size_t i = 0; i < chars; i += 64) {
        const std::uint64_t w = random();
        for (std::size_t k = 0; k < 64 && i + k < chars; ++k) {
            text[i + k] = static_cast<char>('0' + ((w >> k) & 1));
        }
    }
    return text;
}

std::vector<std::uint32_t> randomIndexes(std::size_t count, std::uint32_t bits) {
    std::mt19937 random(3);
    std::uniform_int_distribution<std::uint32_t> below(0, bits - 1);
    std::vector<std::uint32_t> indexes(count);
    for (auto& i : indexes) i = below(random);
    return indexes;
}

void require(bool done, const char* what) {
    if (done) return;
    std::fprintf(stderr, "zelmar_flagrow_bench: %s did not do its work\n", what);
    std::abort();
}

std::string rowName(const char* operation, const char* contender, unsigned lg) {
    return std::string(operation) + '/' + contender + '/' + std::to_string(lg);
}

}  // namespace bench
