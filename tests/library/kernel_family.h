// Runs a parameterised test once for each kernel family, so that the portable, AVX2 and AVX-512
// word kernels are all held to the same results. Families the CPU lacks are skipped.
#ifndef ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H
#define ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H

#include <gtest/gtest.h>

#include <string>

#include "dispatch.h"

namespace zf_test {

using Quandrelissa::detail::Isa;

class EachKernelFamily : public ::testing::TestWithParam<Isa> {
protected:
    void SetUp() override {
        if (GetParam() > Quandrelissa::detail::bestIsa()) GTEST_SKIP() << "not on this CPU";
        Quandrelissa::detail::useIsa(GetParam());
    }
    void TearDown() override { Quandrelissa::detail::useIsa(Quandrelissa::detail::bestIsa()); }
};

/// Every family, for INSTANTIATE_TEST_SUITE_P.
inline auto kernelFamilies() { return ::testing::Values(Isa::portable, Isa::avx2, Isa::avx512); }

/// The family's name as a test name suffix.
inline std::string familyName(const ::testing::TestParamInfo<Isa>& info) {
    switch (info.param) {
        case Isa::portable:
            return "portable";
        case Isa::avx2:
            return "avx2";
        case Isa::avx512:
            return "avx512";
    }
    return "unknown";
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H
