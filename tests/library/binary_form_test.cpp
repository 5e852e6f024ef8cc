// The binary form: its exact bytes, save and reload over many random vectors, and every way a
// stream can be refused, each leaving the vector as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ios>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "ZELMAR_FLAGROW.h"
#include "edge.h"
#include "poison.h"
#include "read_file.h"

namespace zf_test {
namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;

std::string saved(const ZELMAR_FLAGROW& v) {
    std::ostringstream out;
    v.save(out);
    EXPECT_TRUE(out.good());
    return out.str();
}

// The little-endian word at byte `at`.
std::uint32_t wordAt(const std::string& form, std::size_t at) {
    std::uint32_t w = 0;
    for (std::size_t b = 4; b-- > 0;) w = (w << 8) | static_cast<unsigned char>(form[at + b]);
    return w;
}

// The checksum of docs/binary_format.md, written out as the document says it, one word at a
// time over the stream's own bytes.
std::uint32_t documentedChecksum(const std::string& form) {
    const auto word = [&](std::size_t at) { return wordAt(form, at); };
    std::uint32_t lanes[8] = {};
    const std::size_t dataWords = (form.size() - 16) / 4;
    for (std::size_t i = 0; i < dataWords; ++i)
        lanes[i % 8] = (lanes[i % 8] ^ word(12 + 4 * i)) * 0x9E3779B1u;
    std::uint32_t sum = 0x811C9DC5u;
    for (std::size_t h = 0; h < 3; ++h) sum = (sum ^ word(4 * h)) * 0x9E3779B1u;
    for (const std::uint32_t lane : lanes) sum = (sum ^ lane) * 0x9E3779B1u;
    return sum;
}

std::uint32_t storedChecksum(const std::string& form) { return wordAt(form, form.size() - 4); }

TEST(BinaryForm, HasTheDocumentedBytes) {
    ZELMAR_FLAGROW v(40, 1);  // storage bits 40 .. 63 set: written as 0
    v.otkl(1);
    const std::string form = saved(v);
    const std::string head("ZFLG\x01\x00\x00\x00\x28\x00\x00\x00", 12);
    const std::string body("\xFD\xFF\xFF\xFF\xFF\x00\x00\x00", 8);
    EXPECT_EQ(form.substr(0, 12), head);
    EXPECT_EQ(form.substr(12, 8), body);
    ASSERT_EQ(form.size(), 24u);
    EXPECT_EQ(storedChecksum(form), documentedChecksum(form));
    EXPECT_EQ(saved(ZELMAR_FLAGROW()).size(), 16u);
}

// Vectors made alike on every machine against the bytes saved for them once and committed: the
// form is the same bytes whatever the byte order or word size of the machine that writes or
// reads it.
TEST(BinaryForm, IsTheSameBytesOnEveryMachine) {
    std::mt19937 rng(29);
    std::string randomText(1000, '0');
    for (char& c : randomText) c = static_cast<char>('0' + (rng() & 1u));
    const std::pair<const char*, ZELMAR_FLAGROW> cases[] = {
        {"empty", ZELMAR_FLAGROW()},
        {"ones_4097", ZELMAR_FLAGROW(4097, 1)},
        {"pattern_100", ZELMAR_FLAGROW(100, "1101")},
        {"random_1000", ZELMAR_FLAGROW(std::string_view(randomText))},
    };
    const std::filesystem::path forms = ZF_BINARY_FORMS;
    for (const auto& [name, v] : cases) {
        const std::string committed = readFile(forms / (std::string(name) + ".zflg"));
        EXPECT_EQ(saved(v), committed) << name;
        ZELMAR_FLAGROW back("10111");
        std::istringstream in(committed);
        back.load(in);
        EXPECT_EQ(bits(back), bits(v)) << name;
    }
}

TEST(BinaryForm, SaveAndLoadGiveTheOriginalBackOverManyRandomVectors) {
    std::mt19937 rng(13);
    for (int round = 0; round < 400; ++round) {
        const std::uint32_t n = round < 40 ? static_cast<std::uint32_t>(round)
                                           : static_cast<std::uint32_t>(rng() % 5000);
        ZELMAR_FLAGROW v(n, -1);
        for (std::uint32_t i = 0; i < v.razmerUL(); ++i)
            const_cast<std::uint32_t*>(v.data())[i] = static_cast<std::uint32_t>(rng());
        poisonTail(v, static_cast<std::uint32_t>(rng()));
        const std::string form = saved(v);
        EXPECT_EQ(storedChecksum(form), documentedChecksum(form)) << n;
        ZELMAR_FLAGROW back("10111");
        std::istringstream in(form);
        back.load(in);
        ASSERT_TRUE(in.good()) << n;
        EXPECT_EQ(back.razmer(), n);
        EXPECT_EQ(bits(back), bits(v)) << n;
        EXPECT_EQ(saved(back), form) << n;
    }
}

TEST(BinaryForm, FormsFollowOneAnotherInAStream) {
    std::stringstream s;
    ZELMAR_FLAGROW("1100101").save(s);
    ZELMAR_FLAGROW(70, 1).save(s);
    ZELMAR_FLAGROW a;
    ZELMAR_FLAGROW b;
    a.load(s);
    b.load(s);
    EXPECT_EQ(bits(a), "1100101");
    EXPECT_EQ(bits(b), std::string(70, '1'));
    a.load(s);
    EXPECT_TRUE(s.fail());
    EXPECT_EQ(bits(a), "1100101");
}

// Loads `form` into a vector holding something else and checks it is refused untouched.
void expectRefused(const std::string& form, const std::string& why) {
    ZELMAR_FLAGROW v("0110111");
    std::istringstream in(form);
    v.load(in);
    EXPECT_TRUE(in.fail()) << why;
    EXPECT_FALSE(in.bad()) << why;
    EXPECT_EQ(bits(v), "0110111") << why;
}

TEST(BinaryForm, RefusesEveryTruncationAndEverySingleFlippedBit) {
    ZELMAR_FLAGROW v(300, "1001110");
    poisonTail(v, 0xF0F0F0F0u);
    const std::string form = saved(v);
    for (std::size_t cut = 0; cut < form.size(); ++cut)
        expectRefused(form.substr(0, cut), "cut at " + std::to_string(cut));
    for (std::size_t byte = 0; byte < form.size(); ++byte) {
        for (int b = 0; b < 8; ++b) {
            std::string bad = form;
            bad[byte] = static_cast<char>(bad[byte] ^ (1 << b));
            expectRefused(bad, "byte " + std::to_string(byte) + " bit " + std::to_string(b));
        }
    }
}

TEST(BinaryForm, RefusesForeignAndNewerStreams) {
    const std::string form = saved(ZELMAR_FLAGROW("101"));
    std::string foreign = form;
    foreign.replace(0, 4, "ZFLH");
    expectRefused(foreign, "magic");
    for (const char version : {'\x00', '\x02', '\x7F'}) {
        std::string other = form;
        other[4] = version;
        expectRefused(other, "version " + std::to_string(version));
    }
    std::string flagged = form;
    flagged[6] = 1;
    expectRefused(flagged, "flags");
    // A header claiming every bit, before 8 bytes: refused without holding 512 MiB.
    expectRefused(std::string("ZFLG\x01\x00\x00\x00\xFF\xFF\xFF\xFF", 12) + "12345678",
                  "hostile size");
}

TEST(BinaryForm, AStreamThatIsNotGoodIsLeftAlone) {
    ZELMAR_FLAGROW v("11");
    std::istringstream in(saved(ZELMAR_FLAGROW("0001")));
    in.setstate(std::ios::eofbit);
    v.load(in);
    EXPECT_TRUE(in.fail());
    EXPECT_EQ(bits(v), "11");
}

// A stream buffer that throws on its first read or write.
struct ThrowingBuffer : std::streambuf {
    int_type underflow() override { throw std::runtime_error("read"); }
    int_type overflow(int_type) override { throw std::runtime_error("write"); }
};

TEST(BinaryForm, AnExceptionOfTheStreamBufferSetsBadbitAndFollowsExceptions) {
    ThrowingBuffer buffer;
    std::istream in(&buffer);
    ZELMAR_FLAGROW v("101");
    EXPECT_NO_THROW(v.load(in));
    EXPECT_TRUE(in.bad());
    std::istream strict(&buffer);
    strict.exceptions(std::ios::badbit);
    EXPECT_THROW(v.load(strict), std::runtime_error);
    EXPECT_TRUE(strict.bad());
    EXPECT_EQ(bits(v), "101");

    std::ostream out(&buffer);
    EXPECT_NO_THROW(v.save(out));
    EXPECT_TRUE(out.bad());
    std::ostream strictOut(&buffer);
    strictOut.exceptions(std::ios::badbit);
    EXPECT_THROW(v.save(strictOut), std::runtime_error);
}

TEST(BinaryForm, FailbitInExceptionsThrowsTheStreamsFailure) {
    ZELMAR_FLAGROW v("101");
    std::istringstream in(std::string("ZFLG", 4));
    in.exceptions(std::ios::failbit);
    EXPECT_THROW(v.load(in), std::ios::failure);
    EXPECT_EQ(bits(v), "101");
}

}  // namespace
}  // namespace zf_test
