// push_back in a loop beside the peers, and the binary form written and read at memory speed.
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "contenders.h"
#include "row_groups.h"

namespace bench {
namespace {

#if ZELMAR_FLAGROW_BENCH_BOOST
using Pushers = Contenders<Ours, Boost, VBool>;
#else
using Pushers = Contenders<Ours, VBool>;
#endif

// Bit i of the pushed rows: irregular enough that no contender can guess the next one.
bool pushedBit(std::uint32_t i) { return ((i * 0x9E3779B9u) >> 29) % 3 == 0; }

// A row that builds a vector of n bits by push_back from nothing, the way a reader of a
// bit stream does; the capacity comes from the contender's own growth.
template <class Vec>
Vec pushed(std::uint32_t n) {
    Vec v;
    for (std::uint32_t i = 0; i < n; ++i) v.push_back(pushedBit(i));
    return v;
}

template <class Vec>
bool holdsPushedBits(const Vec& v, std::uint32_t n) {
    if (v.size() != n) return false;
    for (std::uint32_t i = 0; i < n; ++i) {
        bool on = false;
        if constexpr (requires { v.test(i); }) {
            on = v.test(i);
        } else {
            on = v[i];
        }
        if (on != pushedBit(i)) return false;
    }
    return true;
}

template <class C>
void pushBackRow(Size size) {
    const std::uint32_t n = size.bits;
    addRun("push_back", C::name, size, [n](benchmark::State& state) {
        require(holdsPushedBits(pushed<typename C::Vec>(n), n), "push_back");
        for (auto _ : state) {
            auto v = pushed<typename C::Vec>(n);
            touch(&v);
        }
        state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * n);
    });
}

// Reads and writes a fixed array, so the rows time the form and not a growing string.
struct FixedBuffer : std::streambuf {
    std::vector<char> bytes;
    explicit FixedBuffer(std::size_t size) : bytes(size) { rewind(); }
    void rewind() {
        setp(bytes.data(), bytes.data() + bytes.size());
        setg(bytes.data(), bytes.data(), bytes.data() + bytes.size());
    }
    bool full() const { return pptr() == bytes.data() + bytes.size(); }
};

void filesRows(Size size) {
    const std::uint32_t n = size.bits;
    const std::size_t bytes = n / 8;  // n is a power of two, whole words
    addRun("save", "ours", size, [n, bytes, size](benchmark::State& state) {
        const Ours::Vec v = randomVec<Ours>(n, kSeedA);
        FixedBuffer buffer(bytes + 16);
        std::ostream out(&buffer);
        settlePages(size);
        for (auto _ : state) {
            buffer.rewind();
            v.save(out);
            touch(buffer.bytes.data());
        }
        require(out.good() && buffer.full(), "save");
        state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
    });
    addRun("load", "ours", size, [n, bytes, size](benchmark::State& state) {
        const Ours::Vec original = randomVec<Ours>(n, kSeedA);
        FixedBuffer buffer(bytes + 16);
        std::ostream out(&buffer);
        original.save(out);
        std::istream in(&buffer);
        Ours::Vec v;
        settlePages(size);
        for (auto _ : state) {
            buffer.rewind();
            v.load(in);
            touch(&v);
        }
        require(in.good() && v == original, "load");
        state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
    });
}

}  // namespace

void registerPushBack(Size size) {
    Pushers::each([size]<class C>() { pushBackRow<C>(size); });
}

void registerPushAndFiles(Size size) {
    // A push_back loop of 2^30 bits runs for seconds: the smaller sizes tell its speed.
    if (size.bits < kLargest.bits) registerPushBack(size);
    if (size.bits >= (1u << 20)) filesRows(size);
}

}  // namespace bench
