// One operation of the differential fuzzer, drawn from the input with every
// argument fixed, so that it can be replayed on two implementations alike.
#ifndef ZF_FUZZ_STEP_H
#define ZF_FUZZ_STEP_H

#include <array>
#include <cstdint>
#include <vector>

#include "byte_source.h"

namespace zf_fuzz {

// Stored inputs name operations by number: new kinds go at the end, before count_.
enum class Kind : std::uint8_t {
    constructFill,
    constructPattern,
    constructText,
    constructView,
    copyConstruct,
    moveConstruct,
    assign,
    moveAssign,
    nadoFill,
    nadoPattern,
    bitSet,
    bitClear,
    bitFlip,
    bitTest,
    allSet,
    allClear,
    allFlip,
    rangeSet,
    rangeClear,
    rangeFlip,
    rangeTest,
    anyBit,
    noBit,
    countBits,
    importText,
    exportText,
    exportWords,
    exportWordsSpan,
    importWords,
    importWordsRange,
    importWordsSpan,
    plus,
    andAssign,
    orAssign,
    xorAssign,
    concat,
    complement,
    andOp,
    orOp,
    xorOp,
    shiftDownAssign,
    shiftUpAssign,
    shiftDown,
    shiftUp,
    less,
    equal,
    notEqual,
    bitsetQueries,
    findBits,
    toString,
    swapSlots,
    streamOut,
    streamIn,
    switchKernels,
    importOwnWords,
    searchBits,
    rangeCount,
    rangeAll,
    subsetTests,
    differenceAssign,
    difference,
    resize,
    pushBack,
    popBack,
    listedBits,
    count_
};

inline constexpr std::size_t kSlots = 3;

struct Step {
    Kind kind = Kind::constructFill;
    std::size_t target = 0;  // the slot changed or asked
    std::size_t source = 0;  // the other operand; may be the target itself
    std::uint32_t n = 0;     // a size, a count of bits or a shift
    std::uint32_t i = 0;     // a bit number or the first bit of a range
    std::uint32_t j = 0;     // the last bit of a range
    std::int32_t fill = 0;
    bool null = false;        // pass a null pointer where one is taken
    std::vector<char> text;   // NUL-terminated, allocated to its exact size
    std::uint32_t start = 0;  // text position, or pattern length
    std::uint32_t count = 0;  // characters taken, or buffer capacity used
    std::vector<std::uint32_t> words;
};

/// Draws one step for slots whose sizes are `sizes`.
Step readStep(ByteSource& in, const std::array<std::uint32_t, kSlots>& sizes);

}  // namespace zf_fuzz

#endif  // ZF_FUZZ_STEP_H
