// zelmar_flagrow_bench: every row of the comparison, at every size. On top of the harness's own
// flags it takes --isa=portable|avx2|avx512 to force a narrower kernel family, and it runs each
// row for 0.05 s unless --benchmark_min_time says otherwise.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dispatch.h"
#include "families.h"
#include "rows.h"

namespace {

using Quandrelissa::detail::Isa;

constexpr std::pair<std::string_view, Isa> kIsas[] = {
    {"portable", Isa::portable}, {"avx2", Isa::avx2}, {"avx512", Isa::avx512}};

std::string_view isaName(Isa isa) {
    for (const auto& [name, value] : kIsas) {
        if (value == isa) return name;
    }
    return "unknown";
}

/// Applies and removes --isa=...; false when the family is unknown.
bool takeIsaFlag(std::vector<char*>& args) {
    constexpr std::string_view kFlag = "--isa=";
    for (auto it = args.begin(); it != args.end(); ++it) {
        const std::string_view arg = *it;
        if (!arg.starts_with(kFlag)) continue;
        args.erase(it);
        for (const auto& [name, value] : kIsas) {
            if (arg.substr(kFlag.size()) == name) {
                Quandrelissa::detail::useIsa(value);
                return true;
            }
        }
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    if (!takeIsaFlag(args)) {
        std::fprintf(stderr, "--isa takes portable, avx2 or avx512\n");
        return 1;
    }
    char defaultMinTime[] = "--benchmark_min_time=0.05";
    const bool timed = std::any_of(args.begin(), args.end(), [](const char* a) {
        return std::string_view(a).starts_with("--benchmark_min_time");
    });
    if (!timed) args.push_back(defaultMinTime);

    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

    for (const unsigned lg : bench::kLogSizes) {
        bench::registerQueries(lg);
        bench::registerLogic(lg);
        bench::registerShifts(lg);
        bench::registerRanges(lg);
        bench::registerText(lg);
        bench::registerWords(lg);
        bench::registerGrowth(lg);
        bench::registerSingleBits(lg);
        bench::registerPushAndFiles(lg);
    }
    benchmark::AddCustomContext("isa", std::string(isaName(Quandrelissa::detail::activeIsa())));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
