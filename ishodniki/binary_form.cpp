// The binary form of docs/binary_format.md: a 12-byte header, the words little-endian with the
// storage bits past the size written as 0, and a 32-bit checksum.
#include <algorithm>
#include <bit>
#include <cstring>
#include <istream>
#include <ostream>

#include "ZELMAR_FLAGROW.h"
#include "zelmar_flagrow/words.h"

namespace Quandrelissa {

using detail::Word;
using detail::wordsFor;

namespace {

constexpr Word kMagic = 0x474C465Au;  // the bytes "ZFLG" read as a little-endian word
constexpr Word kVersion = 1;          // the 16-bit version; the 16-bit flags above it stay 0
constexpr std::size_t kHeaderWords = 3;
constexpr Word kMix = 0x9E3779B1u;
constexpr Word kChecksumStart = 0x811C9DC5u;
// The first read of a load: a hostile bit count makes it allocate no more than this before the
// stream shows that it holds the words.
constexpr std::size_t kFirstReadWords = 16384;

// Turns words between this machine's order and little-endian, in place.
void toLittleEndian(Word* w, std::size_t n) noexcept {
    if constexpr (std::endian::native == std::endian::big) {
        for (std::size_t i = 0; i < n; ++i)
            w[i] =
                (w[i] >> 24) | ((w[i] >> 8) & 0xFF00u) | ((w[i] << 8) & 0xFF0000u) | (w[i] << 24);
    }
}

// Eight independent lanes, each a chain of (lane ^ word) * odd constant: every step is a
// bijection of the lane, so a change confined to one word always changes the sum, and the lanes
// let the multiplies overlap (or share one SIMD register).
class Checksum {
public:
    void add(const Word* w, std::size_t n) noexcept {
        std::size_t i = 0;
        for (; next != 0 && i < n; ++i) step(w[i]);
        for (; i + kLanes <= n; i += kLanes)
            for (std::size_t k = 0; k < kLanes; ++k) lanes[k] = (lanes[k] ^ w[i + k]) * kMix;
        for (; i < n; ++i) step(w[i]);
    }
    Word finish(const Word (&header)[kHeaderWords]) const noexcept {
        Word sum = kChecksumStart;
        for (const Word h : header) sum = (sum ^ h) * kMix;
        for (const Word lane : lanes) sum = (sum ^ lane) * kMix;
        return sum;
    }

private:
    static constexpr std::size_t kLanes = 8;
    void step(Word w) noexcept {
        lanes[next] = (lanes[next] ^ w) * kMix;
        next = (next + 1) % kLanes;
    }
    Word lanes[kLanes] = {};
    std::size_t next = 0;
};

bool put(std::streambuf& to, const Word* w, std::size_t n) {
    const auto bytes = static_cast<std::streamsize>(n * sizeof(Word));
    return to.sputn(reinterpret_cast<const char*>(w), bytes) == bytes;
}

bool get(std::streambuf& from, Word* w, std::size_t n) {
    const auto bytes = static_cast<std::streamsize>(n * sizeof(Word));
    const bool whole = from.sgetn(reinterpret_cast<char*>(w), bytes) == bytes;
    toLittleEndian(w, n);
    return whole;
}

// Called in a handler: the stream buffer threw. As the standard stream functions do, badbit is
// set and the exception goes on only when the stream asks for exceptions on badbit.
void streamBufferThrew(std::ios& stream) {
    const std::ios::iostate asked = stream.exceptions();
    stream.exceptions(std::ios::goodbit);
    stream.setstate(std::ios::badbit);
    if ((asked & std::ios::badbit) == 0) {
        stream.exceptions(asked);
        return;
    }
    try {
        stream.exceptions(asked);         // throws a failure for the bit it finds set
    } catch (const std::ios::failure&) {  // NOLINT(bugprone-empty-catch): the original goes on
    }
    throw;
}

}  // namespace

void ZELMAR_FLAGROW::save(std::ostream& out) const {
    const std::ostream::sentry ready(out);
    if (!ready) return;
    bool written = true;
    try {
        std::streambuf& to = *out.rdbuf();
        const Word header[kHeaderWords] = {kMagic, kVersion, bitCount};
        Word chunk[4096];
        std::memcpy(chunk, header, sizeof header);
        toLittleEndian(chunk, kHeaderWords);
        written = put(to, chunk, kHeaderWords);
        Checksum sum;
        for (std::size_t done = 0; written && done < wordCount;) {
            const std::size_t n = std::min(std::size(chunk), wordCount - done);
            std::memcpy(chunk, words + done, n * sizeof(Word));
            done += n;
            if (done == wordCount) chunk[n - 1] &= detail::lowMask(bitCount);
            sum.add(chunk, n);
            toLittleEndian(chunk, n);
            written = put(to, chunk, n);
        }
        Word tail[1] = {sum.finish(header)};
        toLittleEndian(tail, 1);
        written = written && put(to, tail, 1);
    } catch (...) {
        streamBufferThrew(out);
        return;
    }
    if (!written) out.setstate(std::ios::badbit);
}

void ZELMAR_FLAGROW::load(std::istream& in) {
    const std::istream::sentry ready(in, true);
    if (!ready) return;
    std::ios::iostate refusal = std::ios::goodbit;
    try {
        std::streambuf& from = *in.rdbuf();
        const auto readRefusal = [&](ZELMAR_FLAGROW& incoming) -> std::ios::iostate {
            constexpr std::ios::iostate truncated = std::ios::eofbit | std::ios::failbit;
            Word header[kHeaderWords];
            if (!get(from, header, kHeaderWords)) return truncated;
            if (header[0] != kMagic || header[1] == 0 || header[1] > kVersion)
                return std::ios::failbit;
            const std::uint32_t bits = header[2];
            const std::size_t need = wordsFor(bits);
            Checksum sum;
            // Read straight into the words, the array growing only as fast as the stream
            // proves that it holds them.
            for (std::size_t done = 0; done < need;) {
                const auto promised =
                    static_cast<std::size_t>(std::max<std::streamsize>(from.in_avail(), 0)) /
                    sizeof(Word);
                const std::size_t held =
                    std::min(need, std::max({done + kFirstReadWords, 2 * done, done + promised}));
                incoming.reallocate(held);
                if (!get(from, incoming.words + done, held - done)) return truncated;
                sum.add(incoming.words + done, held - done);
                done = held;
                incoming.wordCount = static_cast<std::uint32_t>(done);
                incoming.bitCount = done == need ? bits : static_cast<std::uint32_t>(done * 32);
            }
            // The writer zeroes the storage bits past the size: anything there is corruption.
            if (need != 0 && (incoming.words[need - 1] & ~detail::lowMask(bits)) != 0)
                return std::ios::failbit;
            Word stored[1];
            if (!get(from, stored, 1)) return truncated;
            return stored[0] == sum.finish(header) ? std::ios::goodbit : std::ios::failbit;
        };
        ZELMAR_FLAGROW incoming;
        refusal = readRefusal(incoming);
        if (refusal == std::ios::goodbit) swap(incoming);
    } catch (const _ZELMAR_FLAGROW&) {
        throw;
    } catch (...) {
        streamBufferThrew(in);
        return;
    }
    if (refusal != std::ios::goodbit) in.setstate(refusal);
}

}  // namespace Quandrelissa
