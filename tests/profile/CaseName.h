#pragma once

// Names each case of a table-driven test after its name field, so a failure
// reads as Suite/Instance.Test/CaseName.

#include <gtest/gtest.h>

#include <string>

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const
    {
        return testCase.param.name;
    }
};
