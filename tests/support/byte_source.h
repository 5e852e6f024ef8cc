// Turns bytes (a fuzzer's input, or seeded random ones in a test) into choices. An exhausted
// input keeps answering 0, so every input, however short, is a complete and valid program.
#ifndef ZELMAR_FLAGROW_TESTS_BYTE_SOURCE_H
#define ZELMAR_FLAGROW_TESTS_BYTE_SOURCE_H

#include <cstddef>
#include <cstdint>

namespace zf_test {

class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) noexcept : data_(data), left_(size) {}

    bool empty() const noexcept { return left_ == 0; }

    std::uint8_t byte() noexcept {
        if (left_ == 0) return 0;
        --left_;
        return *data_++;
    }

    /// A value below `bound` (0 when bound is 0), taken from two bytes.
    std::uint32_t below(std::uint32_t bound) noexcept {
        const std::uint32_t raw = static_cast<std::uint32_t>(byte()) << 8 | byte();
        return bound == 0 ? 0 : raw % bound;
    }

    std::uint32_t word() noexcept {
        std::uint32_t w = 0;
        for (int k = 0; k < 4; ++k) w = w << 8 | byte();
        return w;
    }

private:
    const std::uint8_t* data_;
    std::size_t left_;
};

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_BYTE_SOURCE_H
