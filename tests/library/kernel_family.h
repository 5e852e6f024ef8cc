// Runs a parameterised test once for each kernel family the library has, so that every family's
// word kernels are held to the same results. Families the CPU lacks are skipped.
#ifndef ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H
#define ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "dispatch.h"

namespace zf_test {

/// The parameter is an index into the library's list of families.
class EachKernelFamily : public ::testing::TestWithParam<std::size_t> {
protected:
    void SetUp() override {
        const Quandrelissa::detail::Kernels& family =
            *Quandrelissa::detail::kernelFamilies()[GetParam()];
        if (!Quandrelissa::detail::runsHere(family))
            GTEST_SKIP() << family.name << " kernels: not on this CPU";
        Quandrelissa::detail::useFamily(GetParam());
    }
    void TearDown() override {
        Quandrelissa::detail::useFamily(Quandrelissa::detail::bestFamily());
    }
};

/// Every family, for INSTANTIATE_TEST_SUITE_P.
inline auto kernelFamilies() {
    return ::testing::Range(std::size_t{0}, Quandrelissa::detail::kernelFamilies().size());
}

/// The family's name as a test name suffix.
inline std::string familyName(const ::testing::TestParamInfo<std::size_t>& info) {
    return Quandrelissa::detail::kernelFamilies()[info.param]->name;
}

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_KERNEL_FAMILY_H
