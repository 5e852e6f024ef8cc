// The text what() gives for an error: written once, when the error is made, into a buffer of the
// error itself, so that neither the error nor a copy of it allocates.
#ifndef ZELMAR_FLAGROW_ERROR_TEXT_H
#define ZELMAR_FLAGROW_ERROR_TEXT_H

#include <cstddef>
#include <cstdint>

namespace Quandrelissa::detail {

/// The meaning of an error code in English.
constexpr const char* errorMeaning(std::int32_t code) noexcept {
    switch (code) {
        case 1:
            return "the operation needs a non-empty vector";
        case 2:
            return "a required pointer is null";
        case 4:
            return "a bit number or a range lies outside the vector or the text";
        case 6:
            return "storage could not be allocated, or the size would pass 4294967295 bits";
        default:
            return "unknown error";
    }
}

/// "zelmar_flagrow error <code>: <meaning> (<file>:<line>)" into `buffer`, cut short when it is
/// full and always NUL-terminated.
template <std::size_t N>
constexpr void writeErrorText(char (&buffer)[N], std::int32_t code, const char* file,
                              std::int32_t line) noexcept {
    std::size_t used = 0;
    const auto put = [&](const char* text) {
        for (; *text != '\0' && used + 1 < N; ++text) buffer[used++] = *text;
    };
    const auto putNumber = [&](std::int32_t n) {
        char digits[12] = {};  // a sign, ten digits and the NUL
        std::size_t at = sizeof digits - 1;
        // Digit by digit from a negative remainder too, so the most negative number needs no
        // wider type.
        for (std::int32_t rest = n; at == sizeof digits - 1 || rest != 0; rest /= 10) {
            const std::int32_t digit = rest % 10;
            digits[--at] = static_cast<char>('0' + (digit < 0 ? -digit : digit));
        }
        if (n < 0) digits[--at] = '-';
        put(digits + at);
    };
    put("zelmar_flagrow error ");
    putNumber(code);
    put(": ");
    put(errorMeaning(code));
    put(" (");
    put(file);
    put(":");
    putNumber(line);
    put(")");
    buffer[used] = '\0';
}

}  // namespace Quandrelissa::detail

#endif  // ZELMAR_FLAGROW_ERROR_TEXT_H
