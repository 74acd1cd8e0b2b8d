#include "CliTest.h"

TEST_F(CliTest, New_EmptyFolder_WritesDefaultFirstThenCopiesIt)
{
    const ToolResult result = Run({"new", "Server"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(folder.Read("Default.wst"), DefaultBytes());
    EXPECT_EQ(folder.Read("Server.wst"), DefaultBytes());
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Default.wst", "Server.wst"}));
}

TEST_F(CliTest, New_ExistingDefaultFile_CopiedAsItIs)
{
    const std::string published = DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"3/4\"");
    WriteProfile("Default", published);
    EXPECT_EQ(Run({"new", "Server"}).exitCode, 0);
    EXPECT_EQ(folder.Read("Default.wst"), published);
    EXPECT_EQ(folder.Read("Server.wst"), published);
}

TEST_F(CliTest, New_ExistingProfile_CouldNotCreateAndUnchanged)
{
    WriteProfile("Server", DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"3/4\""));
    const ToolResult result = Run({"new", "Server"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Could not create profile!\n");
    EXPECT_EQ(folder.Read("Server.wst"), DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"3/4\""));
}

TEST_F(CliTest, New_Default_Refused)
{
    const ToolResult result = Run({"new", "Default"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Cannot save over default profile!\n");
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(CliTest, New_UnusableNames_CouldNotCreate)
{
    for (const char* name : {"sub/Server", "../Server", "", ".."}) {
        const ToolResult result = Run({"new", name});
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_EQ(result.err, "Could not create profile!\n") << name;
    }
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Default.wst"}));
}

TEST_F(CliTest, New_LowerCaseDefault_IsAnOrdinaryName)
{
    EXPECT_EQ(Run({"new", "default"}).exitCode, 0);
    EXPECT_EQ(folder.Read("default.wst"), DefaultBytes());
}

TEST_F(CliTest, New_RefusedDefaultFile_CreatedButUnableToLoad)
{
    WriteProfile("Default", "<gameMode/>");
    const ToolResult result = Run({"new", "Server"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to load WST file!\nNo activeTeams found!\n");
    EXPECT_EQ(folder.Read("Server.wst"), "<gameMode/>");
}

TEST_F(CliTest, New_ThenList_ShowsTheNewProfile)
{
    ASSERT_EQ(Run({"new", "Server"}).exitCode, 0);
    EXPECT_EQ(Run({"list"}).out, "Default\nServer\n");
}
