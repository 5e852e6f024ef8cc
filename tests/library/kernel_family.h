// Runs a parameterised test once for each kernel family, so that the portable, AVX2 and AVX-512
// word kernels are all held to the same results. Families the CPU lacks are skipped.
#ifndef ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H
#define ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "dispatch.h"

namespace zf_test {

/// A kernel family as a test parameter, printed by its name.
struct Family {
    Quandrelissa::detail::Isa isa;
    const char* name;
};

inline void PrintTo(const Family& f, std::ostream* out) { *out << f.name; }

class EachKernelFamily : public ::testing::TestWithParam<Family> {
protected:
    void SetUp() override {
        if (GetParam().isa > Quandrelissa::detail::bestIsa()) GTEST_SKIP() << "not on this CPU";
        Quandrelissa::detail::useIsa(GetParam().isa);
    }
    void TearDown() override { Quandrelissa::detail::useIsa(Quandrelissa::detail::bestIsa()); }
};

/// Every family, for INSTANTIATE_TEST_SUITE_P.
inline auto kernelFamilies() {
    using Quandrelissa::detail::Isa;
    return ::testing::Values(Family{Isa::portable, "portable"}, Family{Isa::avx2, "avx2"},
                             Family{Isa::avx512, "avx512"});
}

/// The family's name as a test name suffix.
inline std::string familyName(const ::testing::TestParamInfo<Family>& info) {
    return info.param.name;
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H
