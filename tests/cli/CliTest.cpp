#include "CliTest.h"

#include "profile/DefaultDocument.h"
#include "profile/ProfileStore.h"

ToolResult CliTest::Run(const std::vector<std::string>& arguments) const
{
    return Run(arguments, {});
}

ToolResult CliTest::Run(
    const std::vector<std::string>& arguments, const EnvironmentChanges& environment) const
{
    EnvironmentChanges changes{{"WINEPREFIX", wine.path().string()}};
    for (const auto& [name, value] : environment)
        changes[name] = value;
    return RunTool(folder.path(), arguments, changes);
}

void CliTest::WriteProfile(std::string_view name) const
{
    WriteProfile(name, DefaultBytes());
}

void CliTest::WriteProfile(std::string_view name, std::string_view bytes) const
{
    folder.Write(std::string(name) + ".wst", bytes);
}

Profile CliTest::ReadProfile(const std::string& name) const
{
    ProfileStore store(folder.path());
    std::optional<Profile> profile = store.LoadProfile(name);
    EXPECT_TRUE(profile) << store.lastError();
    return profile.value_or(Profile{});
}

std::string DefaultBytes()
{
    return std::string(DefaultDocument());
}

std::string DefaultWith(std::string_view from, std::string_view to)
{
    return ReplaceAll(DefaultBytes(), from, to);
}
