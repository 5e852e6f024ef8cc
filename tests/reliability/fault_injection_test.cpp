// Every operation that allocates is run once per allocation it makes, with
// exactly that allocation failing. The caller must see code 6 and nothing else,
// no block may leak, and every object involved must stay usable.
#include <gtest/gtest.h>

#include <ZELMAR_FLAGROW.h>

#include <cstdint>
#include <functional>
#include <new>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "failing_new.h"
#include "raised.h"

namespace {

using Quandrelissa::_ZELMAR_FLAGROW;
using Quandrelissa::ZELMAR_FLAGROW;
using zf_test::codeOf;

// What a vector holds, read bit by bit so that taking it never depends on the
// members under test.
struct State {
    std::uint32_t bits = 0;
    std::uint32_t words = 0;
    std::string text;
    bool operator==(const State&) const = default;
};

State stateOf(const ZELMAR_FLAGROW& v) {
    State s{v.razmer(), v.razmerUL(), {}};
    for (std::uint32_t i = 0; i < v.razmer(); ++i) s.text += v.test(i) ? '1' : '0';
    return s;
}

// The operands of one run: `target` is changed by the operation, `other` only
// read. Both carry garbage in their storage bits past the size, the way fill 1
// and invert() leave them, so a failure path that copies whole words is seen.
struct Operands {
    ZELMAR_FLAGROW target;
    ZELMAR_FLAGROW other;
    ZELMAR_FLAGROW wider;               // other and two words more: never the target's length
    std::string longText;               // longer than target: importing it grows
    std::vector<std::uint32_t> buffer;  // enough words to write past target's end
    std::istringstream digits;          // a token of '0' and '1' longer than target
    std::ostream sink{nullptr};         // takes nothing: only what the vector allocates counts
    std::string savedWider;             // wider's binary form: loading it grows the target

    Operands(std::uint32_t targetBits, std::uint32_t otherBits)
        : target(targetBits, 1), other(otherBits, "1101001") {
        target.otkl(0, targetBits / 2);
        other.invert();
        wider = other;
        wider.plus(64, 1);
        for (std::uint32_t i = 0; i < targetBits + 45; ++i) longText += i % 3 == 0 ? '0' : '1';
        buffer.assign(targetBits / 32 + 3, 0xA5C3F00Fu);
        digits.str(longText);
        std::ostringstream out;
        wider.save(out);
        savedWider = out.str();
    }
};

// Reads a fixed array without allocating, so that every allocation counted is the vector's.
struct ArrayBuffer : std::streambuf {
    explicit ArrayBuffer(std::string& bytes) {
        setg(bytes.data(), bytes.data(), bytes.data() + bytes.size());
    }
};

enum class After {
    empty,      // the operation sized the target and lost its old bits
    unchanged,  // the operation refused before touching the target
};

struct Outcome {
    std::int32_t code = 0;
    bool badAlloc = false;
    bool otherException = false;
    bool fired = false;
};

using Operation = std::function<void(Operands&)>;

Outcome runWithFailure(std::uint64_t n, const Operation& op, Operands& ops) {
    Outcome out;
    {
        zf_fault::FailNth guard(n);
        try {
            op(ops);
        } catch (const _ZELMAR_FLAGROW& e) {
            out.code = e.code();
        } catch (const std::bad_alloc&) {
            out.badAlloc = true;
        } catch (...) {
            out.otherException = true;
        }
        out.fired = zf_fault::fired();
    }
    return out;
}

std::uint64_t allocationsOf(const Operation& op, std::uint32_t targetBits,
                            std::uint32_t otherBits) {
    Operands ops(targetBits, otherBits);
    zf_fault::resetCount();
    op(ops);
    return zf_fault::allocations();
}

class FaultInjection : public testing::TestWithParam<std::tuple<std::uint32_t, std::uint32_t>> {
protected:
    // Fails each allocation of `op` in turn and checks what is left.
    void failEachAllocation(const char* name, const Operation& op, After after) {
        SCOPED_TRACE(name);
        const auto [targetBits, otherBits] = GetParam();
        const std::uint64_t total = allocationsOf(op, targetBits, otherBits);
        ASSERT_GT(total, 0u) << "the operation allocates nothing, so nothing was injected";
        for (std::uint64_t n = 0; n < total; ++n) {
            SCOPED_TRACE("failing allocation " + std::to_string(n) + " of " +
                         std::to_string(total));
            const std::int64_t liveBefore = zf_fault::liveBlocks();
            {
                Operands ops(targetBits, otherBits);
                const State targetBefore = stateOf(ops.target);
                const State otherBefore = stateOf(ops.other);
                const Outcome out = runWithFailure(n, op, ops);
                ASSERT_TRUE(out.fired);
                EXPECT_FALSE(out.badAlloc) << "std::bad_alloc reached the caller";
                EXPECT_FALSE(out.otherException);
                EXPECT_EQ(out.code, _ZELMAR_FLAGROW::kNoMemory);
                if (after == After::empty) {
                    EXPECT_EQ(ops.target.razmer(), 0u);
                    EXPECT_EQ(ops.target.razmerUL(), 0u);
                    EXPECT_FALSE(ops.target.est());
                } else {
                    EXPECT_EQ(stateOf(ops.target), targetBefore);
                }
                EXPECT_EQ(stateOf(ops.other), otherBefore);
                expectUsable(ops);
            }
            EXPECT_EQ(zf_fault::liveBlocks(), liveBefore) << "blocks leaked";
        }
    }

    // A vector that has been through a failure can be sized, filled, combined
    // and grown again like any other.
    static void expectUsable(Operands& ops) {
        ops.target.nado(70, "01");
        EXPECT_EQ(ops.target.schet(), 35u);
        ops.target += ops.other;
        EXPECT_EQ(ops.target.razmer(), 70u + ops.other.razmer());
        ZELMAR_FLAGROW copy(ops.target);
        EXPECT_TRUE(copy == ops.target);
        ops.other.plus(3, 1);
        EXPECT_TRUE(ops.other.test(ops.other.razmer() - 1));
    }
};

TEST_P(FaultInjection, ConstructorsReportCodeSixAndLeaveTheirSourcesAlone) {
    failEachAllocation(
        "size and fill", [](Operands& o) { ZELMAR_FLAGROW v(o.target.razmer() + 1, 1); },
        After::unchanged);
    failEachAllocation(
        "pattern", [](Operands& o) { ZELMAR_FLAGROW v(o.target.razmer() + 1, "0110", 3); },
        After::unchanged);
    failEachAllocation(
        "text", [](Operands& o) { ZELMAR_FLAGROW v(o.longText.c_str(), 2); }, After::unchanged);
    failEachAllocation(
        "string view", [](Operands& o) { ZELMAR_FLAGROW v{std::string_view(o.longText)}; },
        After::unchanged);
    failEachAllocation(
        "copy", [](Operands& o) { ZELMAR_FLAGROW v(o.other); }, After::unchanged);
}

TEST_P(FaultInjection, SizingAndAssignmentLeaveTheTargetEmpty) {
    failEachAllocation(
        "assignment", [](Operands& o) { o.target = o.wider; }, After::empty);
    failEachAllocation(
        "nado with fill", [](Operands& o) { o.target.nado(o.target.razmer() + 32, 1); },
        After::empty);
    failEachAllocation(
        "nado uninitialised", [](Operands& o) { o.target.nado(o.target.razmer() + 32, -1); },
        After::empty);
    failEachAllocation(
        "nado with pattern", [](Operands& o) { o.target.nado(o.target.razmer() + 40, "001"); },
        After::empty);
    failEachAllocation(
        "growing text import", [](Operands& o) { o.target.impStr(o.longText.c_str()); },
        After::empty);
}

// An array of the right length is refilled where it is, so no failure can strike there.
TEST_P(FaultInjection, RefillingAtTheSameLengthAllocatesNothing) {
    const auto [targetBits, otherBits] = GetParam();
    const Operation sameLength = [](Operands& o) {
        o.target.nado(o.target.razmer(), 1);
        o.target.nado(o.target.razmer() | 31, -1);
        o.target.nado(o.target.razmer(), "10");
        o.target = ZELMAR_FLAGROW(o.target);  // the copy allocates once; the move, nothing
    };
    EXPECT_EQ(allocationsOf(sameLength, targetBits, otherBits), 1u);
}

TEST_P(FaultInjection, GrowthIsRefusedWithTheVectorUnchanged) {
    failEachAllocation(
        "plus zeros", [](Operands& o) { o.target.plus(33); }, After::unchanged);
    failEachAllocation(
        "plus ones", [](Operands& o) { o.target.plus(1, -1); }, After::unchanged);
    failEachAllocation(
        "concatenation", [](Operands& o) { o.target += o.other; }, After::unchanged);
    failEachAllocation(
        "self concatenation", [](Operands& o) { o.target += o.target; }, After::unchanged);
    failEachAllocation(
        "growing word import",
        [](Operands& o) {
            const std::uint32_t to = o.target.razmer() + 40;
            o.target.impUL(o.target.razmer() / 2, to, o.buffer.data(),
                           static_cast<std::uint32_t>(o.buffer.size()));
        },
        After::unchanged);
}

// Caller memory in the vector's own storage is copied aside before anything changes. The last
// word, fill 1 past the cleared half, starts with a byte that is no '0' at every size.
TEST_P(FaultInjection, CallerMemoryInTheStorageIsRefusedWithTheVectorUnchanged) {
    failEachAllocation(
        "word import from its own words",
        [](Operands& o) { o.target.impUL(o.target.data(), o.target.razmerUL()); },
        After::unchanged);
    failEachAllocation(
        "pattern from its own last word",
        [](Operands& o) {
            const auto* last = o.target.data() + o.target.razmerUL() - 1;
            o.target.nado(0, reinterpret_cast<const char*>(last), 1);
        },
        After::unchanged);
}

TEST_P(FaultInjection, GrowthKeepingTheBitsIsRefusedWithTheVectorUnchanged) {
    failEachAllocation(
        "resize", [](Operands& o) { o.target.resize(o.target.razmer() + 40, true); },
        After::unchanged);
    failEachAllocation(
        "reserve", [](Operands& o) { o.target.reserve(o.target.capacity() + 1); },
        After::unchanged);
    failEachAllocation(
        "load",
        [](Operands& o) {
            ArrayBuffer buffer(o.savedWider);
            std::istream in(&buffer);
            o.target.load(in);
        },
        After::unchanged);
}

// Code 6 names the check that failed: a text too long to be a vector is refused at its length
// check, not at the line where a failed allocation is reported.
TEST(FaultInjectionOnce, TextTooLongNamesItsOwnCheck) {
    const auto lineOf = [](const auto& call) {
        const _ZELMAR_FLAGROW e = zf_test::errorOf(call);
        EXPECT_EQ(e.code(), _ZELMAR_FLAGROW::kNoMemory);
        return e.line();
    };
    const char text[] = "0";
    // Only the length is looked at: it is refused before a character is read.
    const std::string_view tooLong(text, std::size_t{0xFFFFFFFFu} + 1);
    const std::int32_t fromText = lineOf([&] { ZELMAR_FLAGROW{tooLong}; });
    zf_fault::FailNth guard(0);
    const std::int32_t fromStorage = lineOf([] { ZELMAR_FLAGROW{200}; });
    EXPECT_TRUE(zf_fault::fired());
    EXPECT_NE(fromText, fromStorage);
}

// Values of up to 128 bits are held inside the object: copies, the operators' results and nado
// never reach the allocator; at 129 bits they do.
TEST(FaultInjectionOnce, ValuesOfUpTo128BitsAllocateNothing) {
    for (const std::uint32_t n : {1u, 64u, 127u, 128u, 129u}) {
        SCOPED_TRACE(n);
        const ZELMAR_FLAGROW a(n, "1101");
        const ZELMAR_FLAGROW b(n, "011");
        zf_fault::resetCount();
        {
            ZELMAR_FLAGROW v(a);
            v = ~a;
            v = a & b;
            v = a | b;
            v = a ^ b;
            v = a - b;
            v = a << 3;
            v = a >> 3;
            v.nado(n, 1);
            v.nado(n, "10");
            ZELMAR_FLAGROW moved(std::move(v));
            swap(moved, v);  // NOLINT(bugprone-use-after-move): v is empty and reused
        }
        EXPECT_EQ(zf_fault::allocations() == 0, n <= 128) << zf_fault::allocations();
    }
}

TEST(FaultInjectionOnce, PushBackOnFullStorageIsRefusedWithTheVectorUnchanged) {
    ZELMAR_FLAGROW v(160, "1101");
    const State before = stateOf(v);
    const std::int64_t liveBefore = zf_fault::liveBlocks();
    std::int32_t code = 0;
    {
        zf_fault::FailNth guard(0);
        code = codeOf([&] { v.push_back(true); });
        EXPECT_TRUE(zf_fault::fired());
    }
    EXPECT_EQ(code, _ZELMAR_FLAGROW::kNoMemory);
    EXPECT_EQ(stateOf(v), before);
    EXPECT_EQ(v.capacity(), 160u);
    EXPECT_EQ(zf_fault::liveBlocks(), liveBefore);
    v.push_back(true);
    EXPECT_TRUE(v.test(160));
}

TEST_P(FaultInjection, ValueOperatorsLeaveOperandsAndTargetUnchanged) {
    failEachAllocation(
        "and", [](Operands& o) { o.target = o.target & o.other; }, After::unchanged);
    failEachAllocation(
        "or", [](Operands& o) { o.target = o.other | o.target; }, After::unchanged);
    failEachAllocation(
        "xor", [](Operands& o) { o.target = o.target ^ o.other; }, After::unchanged);
    failEachAllocation(
        "complement", [](Operands& o) { o.target = ~o.other; }, After::unchanged);
    failEachAllocation(
        "shift towards bit 0", [](Operands& o) { o.target = o.other << 5; }, After::unchanged);
    failEachAllocation(
        "shift away from bit 0", [](Operands& o) { o.target = o.target >> 33; }, After::unchanged);
    failEachAllocation(
        "text of the vector", [](Operands& o) { (void)o.other.to_string(); }, After::unchanged);
}

TEST_P(FaultInjection, StreamsReportCodeSixAndLeaveTheVectorUnchanged) {
    failEachAllocation(
        "reading a token", [](Operands& o) { o.digits >> o.target; }, After::unchanged);
    // A field wider than the text is padded, which goes through the text as a string.
    failEachAllocation(
        "writing into a wide field",
        [](Operands& o) {
            o.sink.width(o.other.razmer() + 1);
            o.sink << o.other;
        },
        After::unchanged);
}

// Code 6 in the middle of a token: the whole token is taken off the stream, so that none of it
// comes back as the next token, and the stream fails but stays usable.
TEST(StreamFault, FailedTokenIsReadToItsEndAndTheStreamFails) {
    const std::string input = std::string(5009, '1') + "0 0110";
    std::uint64_t total = 0;
    {
        std::istringstream in(input);
        ZELMAR_FLAGROW v;
        zf_fault::resetCount();
        in >> v;
        total = zf_fault::allocations();
    }
    ASSERT_GT(total, 0u);
    for (std::uint64_t n = 0; n < total; ++n) {
        SCOPED_TRACE("failing allocation " + std::to_string(n));
        std::istringstream in(input);
        ZELMAR_FLAGROW v("101");
        std::int32_t code = 0;
        {
            zf_fault::FailNth guard(n);
            code = codeOf([&] { in >> v; });
            ASSERT_TRUE(zf_fault::fired());
        }
        EXPECT_EQ(code, _ZELMAR_FLAGROW::kNoMemory);
        EXPECT_TRUE(in.fail());
        EXPECT_FALSE(in.bad());
        EXPECT_EQ(stateOf(v).text, "101");
        in.clear();
        ZELMAR_FLAGROW next;
        ASSERT_TRUE(in >> next);
        EXPECT_EQ(stateOf(next).text, "0110");
    }
}

// Sizes on both sides of a word boundary, with the target shorter, equal and
// longer than the other operand.
// Past the 128 bits held inside the object, where the storage is on the heap.
INSTANTIATE_TEST_SUITE_P(WordBoundaries, FaultInjection,
                         testing::Combine(testing::Values(129u, 161u, 300u),
                                          testing::Values(160u, 193u, 301u)));

}  // namespace
