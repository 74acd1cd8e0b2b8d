#pragma once

#include "FakeWinePrefix.h"
#include "TemporaryFolder.h"
#include "ToolProcess.h"
#include "profile/Profile.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

// Each test runs the real tool in a working folder of its own, with a Wine
// prefix of its own that holds no registry until the test writes one.
class CliTest : public ::testing::Test {
protected:
    ToolResult Run(const std::vector<std::string>& arguments) const;
    ToolResult Run(
        const std::vector<std::string>& arguments, const EnvironmentChanges& environment) const;

    // NAME.wst in the working folder with the bytes given, by default those of
    // the built-in document.
    void WriteProfile(std::string_view name) const;
    void WriteProfile(std::string_view name, std::string_view bytes) const;
    // The profile as the editor reads it; fails the test when it does not load.
    Profile ReadProfile(const std::string& name) const;

    TemporaryFolder folder;
    FakeWinePrefix wine;
};

// Names the cases of a parameterised test by their name field.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

std::string DefaultBytes();
// The built-in document with one attribute text replaced (it must occur).
std::string DefaultWith(std::string_view from, std::string_view to);
