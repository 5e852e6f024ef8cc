// What lets the vector stand in for a standard bitset: all(), hashing, streams and
// std::string.
#include <istream>
#include <new>
#include <ostream>
#include <string>

#include "ZELMAR_FLAGROW.h"
#include "errors.h"
#include "kernels.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

using detail::kernels;
using detail::kWordBits;
using detail::Word;

namespace {

// setstate() without the ios_base::failure that exceptions() may ask for, when another error is
// about to be thrown; clear() has set the state before it throws.
void setQuietly(std::ios& stream, std::ios_base::iostate state) noexcept {
    try {
        stream.setstate(state);
    } catch (...) {
        return;
    }
}

// The standard streams' rule for an exception from the stream buffer: badbit, and the exception
// goes on only when badbit is among exceptions(). Called from the handler.
void bufferFailed(std::ios& stream) {
    setQuietly(stream, std::ios_base::badbit);
    if ((stream.exceptions() & std::ios_base::badbit) != 0) throw;
}

}  // namespace

bool ZELMAR_FLAGROW::all() const noexcept {
    if (bitCount == 0) return true;
    const std::size_t full = wordCount - std::size_t{1};
    // Blocks without an early exit inside, so that the compiler reduces them in wide registers.
    constexpr std::size_t kBlock = 256;
    for (std::size_t i = 0; i < full; i += kBlock) {
        const std::size_t end = full - i < kBlock ? full : i + kBlock;
        Word every = ~Word{0};
        for (std::size_t j = i; j < end; ++j) every &= words[j];
        if (every != ~Word{0}) return false;
    }
    return detail::lastWord(words, bitCount) == detail::lowMask(bitCount);
}

std::string ZELMAR_FLAGROW::to_string() const {
    std::string text;
    try {
        text.resize(bitCount);
    } catch (...) {
        detail::outOfMemory(ZELMAR_FLAGROW_HERE);
    }
    if (bitCount != 0) kernels().bitsToText(words, bitCount, text.data());
    return text;
}

std::ostream& operator<<(std::ostream& out, const ZELMAR_FLAGROW& v) {
    // A field wider than the text is padded as any other text would be.
    if (out.width() > 0 && static_cast<std::uint64_t>(out.width()) > v.bitCount)
        return out << v.to_string();
    const std::ostream::sentry ready(out);
    if (!ready) return out;
    out.width(0);
    bool refused = false;
    try {
        std::streambuf& sink = *out.rdbuf();
        // Whole words per chunk, so that each chunk starts at bit 0 of a word.
        char chunk[4096];
        for (std::uint64_t done = 0; done < v.bitCount && !refused;) {
            const std::uint64_t left = v.bitCount - done;
            const auto n = static_cast<std::streamsize>(left < sizeof chunk ? left : sizeof chunk);
            kernels().bitsToText(v.words + done / kWordBits, static_cast<std::size_t>(n), chunk);
            refused = sink.sputn(chunk, n) != n;
            done += static_cast<std::uint64_t>(n);
        }
    } catch (...) {
        bufferFailed(out);
        return out;
    }
    if (refused) out.setstate(std::ios_base::badbit);
    return out;
}

std::istream& operator>>(std::istream& in, ZELMAR_FLAGROW& v) {
    using Traits = std::istream::traits_type;
    const std::istream::sentry ready(in);
    if (!ready) return in;
    std::string text;
    // Set once the token cannot be kept; its remaining characters are then only skipped, so
    // that none of them is left to be read as the next token.
    bool tooLong = false;
    std::ios_base::iostate state = std::ios_base::goodbit;
    try {
        std::streambuf& source = *in.rdbuf();
        for (;; source.sbumpc()) {
            const auto c = source.sgetc();
            if (Traits::eq_int_type(c, Traits::eof())) {
                state |= std::ios_base::eofbit;
                break;
            }
            const char ch = Traits::to_char_type(c);
            if (ch != '0' && ch != '1') break;
            if (tooLong) continue;
            try {
                if (text.size() == ZELMAR_FLAGROW::kMaxBits)
                    tooLong = true;
                else
                    text.push_back(ch);
            } catch (const std::bad_alloc&) {
                tooLong = true;
            }
        }
    } catch (...) {
        bufferFailed(in);
        return in;
    }
    if (!tooLong && !text.empty()) {
        try {
            ZELMAR_FLAGROW read{std::string_view(text)};
            v.swap(read);
        } catch (const _ZELMAR_FLAGROW&) {
            setQuietly(in, state | std::ios_base::failbit);
            throw;
        }
    }
    if (tooLong) {
        setQuietly(in, state | std::ios_base::failbit);
        detail::outOfMemory(ZELMAR_FLAGROW_HERE);
    }
    if (text.empty()) state |= std::ios_base::failbit;
    in.setstate(state);
    return in;
}

}  // namespace Quandrelissa

std::size_t std::hash<Quandrelissa::ZELMAR_FLAGROW>::operator()(
    const Quandrelissa::ZELMAR_FLAGROW& v) const noexcept {
    const auto mix = [](std::uint64_t h, std::uint64_t x) {
        h = (h ^ x) * 0x9E3779B97F4A7C15u;
        return h ^ h >> 32;
    };
    const std::uint32_t* w = v.data();
    const std::size_t full = v.empty() ? 0 : v.razmerUL() - std::size_t{1};
    // Four independent lanes: one multiplication chain would leave the multiplier idle most of
    // the time.
    std::uint64_t lane[4] = {v.size(), 1, 2, 3};
    std::size_t i = 0;
    for (; i + 8 <= full; i += 8)
        for (std::size_t k = 0; k < 4; ++k)
            lane[k] = mix(lane[k], w[i + 2 * k] | std::uint64_t{w[i + 2 * k + 1]} << 32);
    for (; i < full; ++i) lane[0] = mix(lane[0], w[i]);
    if (!v.empty()) lane[1] = mix(lane[1], Quandrelissa::detail::lastWord(w, v.size()));
    return static_cast<std::size_t>(mix(mix(mix(lane[0], lane[1]), lane[2]), lane[3]));
}
