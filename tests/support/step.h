// One operation of the differential engine, drawn from its bytes with every argument fixed, so
// that it can be replayed on the class and on the reference model alike and read in a report.
#ifndef ZELMAR_FLAGROW_TESTS_STEP_H
#define ZELMAR_FLAGROW_TESTS_STEP_H

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "byte_source.h"
#include "reference_model.h"

namespace zf_test {

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
    poisonSpareBits,
    bitsetNames,
    sizeQueries,
    importOwnWordsWhole,
    callerMemoryInLiveWords,
    callerMemoryInSpareWords,
    combinedCounts,
    walkSetBits,
    indexWrite,
    setValue,
    testSet,
    iteratorWalk,
    iteratorWrite,
    keyCompare,
    count_
};

inline constexpr std::size_t kSlots = 3;

/// The vectors the steps work on, v0 to v2.
template <class V>
using Slots = std::array<V, kSlots>;

struct Step {
    Kind kind = Kind::constructFill;
    std::size_t target = 0;  // the slot changed or asked
    std::size_t source = 0;  // the other operand; may be the target itself
    std::uint32_t n = 0;     // a size, a count of bits or a shift
    std::uint32_t i = 0;     // a bit number or the first bit of a range
    std::uint32_t j = 0;     // the last bit of a range
    std::int32_t fill = 0;
    bool null = false;         // pass a null pointer where one is taken
    std::vector<char> text{};  // NUL-terminated, allocated to its exact size
    std::uint32_t start = 0;   // text position, or pattern length
    std::uint32_t count = 0;   // characters taken, or buffer capacity used
    bool whole = false;        // a word import of the whole vector rather than of i .. j
    std::vector<std::uint32_t> words{};
    std::uint32_t at = 0;  // the first word of caller memory placed in a vector's live words
};

/// Sizes at each threshold of the storage inside the object and of the header's inline loops
/// (kInsideWords, kFewWords and kShortWords words), a word and a bit either side: 127, 128, 129,
/// 255, 256, 257 and 1023, 1024, 1025 among them.
std::span<const std::uint32_t> thresholdSizes();

/// Whether the step places its list, text, pattern or buffer in the storage of the source slot
/// and hands it to a member of the target from there.
constexpr bool placesCallerMemory(Kind k) {
    return k == Kind::callerMemoryInLiveWords || k == Kind::callerMemoryInSpareWords;
}

/// Draws one step for the vectors as `model` holds them now. With `focus`, sizes are mostly that
/// one and a few below it, so that a run keeps to vectors of about that length.
Step readStep(ByteSource& in, const Slots<ReferenceVector>& model,
              std::optional<std::uint32_t> focus = std::nullopt);

/// How the step reads in a failure report, e.g. "v1.vkl(3, 4294967295)".
std::string stepText(const Step& s);

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_STEP_H
