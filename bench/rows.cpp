#include "rows.h"

#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include "large_pages.h"

namespace bench {

std::vector<std::uint64_t> randomWords(std::size_t bits, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<std::uint64_t> words((bits + 63) / 64);
    for (auto& w : words) w = random();
    return words;
}

std::uint64_t setBits(std::uint32_t bits) {
    std::vector<std::uint64_t> words = randomWords(bits, kSeedA);
    // The random words run to a whole word; the vector ends where its size says.
    if (bits % 64 != 0) words.back() &= (std::uint64_t{1} << (bits % 64)) - 1;
    std::uint64_t set = 0;
    for (const std::uint64_t w : words) set += static_cast<std::uint64_t>(std::popcount(w));
    return set;
}

std::string randomText(std::size_t chars, std::uint64_t seed) {
    // A byte of random bits spells eight characters at once: a gibibyte of text takes a fraction
    // of a second.
    static const auto spelled = [] {
        std::array<std::array<char, 8>, 256> table{};
        for (std::size_t b = 0; b < 256; ++b) {
            for (std::size_t k = 0; k < 8; ++k) {
                table[b][k] = static_cast<char>('0' + ((b >> k) & 1));
            }
        }
        return table;
    }();
    const std::vector<std::uint64_t> words = randomWords(chars, seed);
    const auto* bytes = reinterpret_cast<const unsigned char*>(words.data());
    std::string text(words.size() * 64, '0');
    for (std::size_t j = 0; j < words.size() * 8; ++j) {
        std::memcpy(&text[8 * j], spelled[bytes[j]].data(), 8);
    }
    text.resize(chars);
    return text;
}

std::vector<std::uint32_t> randomIndexes(std::size_t count, std::uint32_t bits) {
    std::mt19937 random(3);
    std::uniform_int_distribution<std::uint32_t> below(0, bits - 1);
    std::vector<std::uint32_t> indexes(count);
    for (auto& i : indexes) i = below(random);
    return indexes;
}

void failed(const char* what) {
    std::fprintf(stderr, "zelmar_flagrow_bench: %s did not do its work\n", what);
    std::abort();
}

void settlePages(Size size) {
    if (size.bits != kLargest.bits) return;
    // Two arrays of the size, as an operation with a result holds.
    const std::size_t bytes = std::size_t{size.bits} * 2 / 8;
    const auto pages = std::make_unique_for_overwrite<char[]>(bytes);
    Quandrelissa::detail::adviseLargePages(pages.get(), bytes);
    std::memset(pages.get(), 0, bytes);
    touch(pages.get());
}

benchmark::internal::Benchmark* addRun(const std::string& operation, const char* contender,
                                       Size size, std::function<void(benchmark::State&)> run) {
    const std::string name = operation + '/' + contender + '/' + size.label;
    auto* row = benchmark::RegisterBenchmark(name.c_str(), std::move(run));
    if (size.bits == kLargest.bits) row->MinTime(kLargeMinTime);
    return row;
}

}  // namespace bench
