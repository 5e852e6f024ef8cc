// zelmar_flagrow_bench: every row of the comparison, at every size. On top of the harness's own
// flags it takes --isa=NAME to force a narrower kernel family and --list_isas to print the names
// of the families this CPU runs, and it runs each row for 0.05 s unless --benchmark_min_time says
// otherwise.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "dispatch.h"
#include "row_groups.h"
#include "rows.h"

namespace {

namespace detail = Quandrelissa::detail;

/// Applies and removes --isa=NAME; false when no family has that name.
bool takeIsaFlag(std::vector<char*>& args) {
    constexpr std::string_view kFlag = "--isa=";
    for (auto it = args.begin(); it != args.end(); ++it) {
        const std::string_view arg = *it;
        if (!arg.starts_with(kFlag)) continue;
        args.erase(it);
        const auto families = detail::kernelFamilies();
        for (std::size_t index = 0; index < families.size(); ++index) {
            if (arg.substr(kFlag.size()) == families[index]->name) {
                detail::useFamily(index);
                return true;
            }
        }
        return false;
    }
    return true;
}

/// Removes --list_isas and says whether it was there.
bool takeListFlag(std::vector<char*>& args) {
    const auto it = std::find_if(args.begin(), args.end(), [](const char* a) {
        return std::string_view(a) == "--list_isas";
    });
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

/// One family name a line, narrowest first: every family this CPU runs.
void listFamilies() {
    for (const detail::Kernels* family : detail::kernelFamilies()) {
        if (detail::runsHere(*family)) std::printf("%s\n", family->name);
    }
}

/// "a, b or c": the names --isa takes.
std::string familyNames() {
    const auto families = detail::kernelFamilies();
    std::string names;
    for (std::size_t index = 0; index < families.size(); ++index) {
        if (index != 0) names += index + 1 == families.size() ? " or " : ", ";
        names += families[index]->name;
    }
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    if (takeListFlag(args)) {
        listFamilies();
        return 0;
    }
    if (!takeIsaFlag(args)) {
        std::fprintf(stderr, "--isa takes %s\n", familyNames().c_str());
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

    for (const bench::Size size : bench::kSizes) {
        bench::registerQueries(size);
        bench::registerLogic(size);
        bench::registerShifts(size);
        bench::registerRanges(size);
        bench::registerText(size);
        bench::registerWords(size);
        bench::registerGrowth(size);
        bench::registerSingleBits(size);
        bench::registerBitWalks(size);
        bench::registerSearches(size);
        bench::registerPushAndFiles(size);
    }
    bench::registerWalks();
    bench::registerWorkloads();
    benchmark::AddCustomContext("isa", detail::kernels().name);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
