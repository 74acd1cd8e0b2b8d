#include "CliTest.h"

TEST_F(CliTest, Check_GoodFiles_OkAtAnyPath)
{
    folder.Write("Server.wst", DefaultBytes());
    folder.Write("elsewhere/profile.xml", DefaultBytes());
    const ToolResult result
        = Run({"check", "Server.wst", (folder / "elsewhere/profile.xml").string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(
        result.out, "Server.wst: OK\n" + (folder / "elsewhere/profile.xml").string() + ": OK\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, Check_RefusedFiles_ReaderMessageEach)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Empty.wst", ""},
        {"Damaged.wst", DefaultBytes().substr(0, 2000)},
        {"NoTeams.wst", DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"\"")},
        {"NoRed.wst", ReplaceAll(DefaultWith("<NVA ", "<Nva "), "</NVA>", "</Nva>")},
        {"NoVehicle.wst", ReplaceAll(DefaultWith("<uaz ", "<bus "), "</uaz>", "</bus>")},
    };
    for (const auto& [name, bytes] : cases)
        folder.Write(name, bytes);
    const ToolResult result = Run({"check", "Empty.wst", "Damaged.wst", "NoTeams.wst", "NoRed.wst",
        "NoVehicle.wst", "Missing.wst"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
        "Empty.wst: No gameMode tag found!\n"
        "Damaged.wst: No gameMode tag found!\n"
        "NoTeams.wst: No activeTeams found!\n"
        "NoRed.wst: No redTeam tag found!\n"
        "NoVehicle.wst: No uaz tag found!\n"
        "Missing.wst: cannot read the file: No such file or directory\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, Check_MixedFiles_ReportsEachAndFails)
{
    folder.Write("Good.wst", DefaultBytes());
    folder.Write("Bad.wst", "<WRAPPER_TREE/>");
    const ToolResult result = Run({"check", "Good.wst", "Bad.wst"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Good.wst: OK\n");
    EXPECT_EQ(result.err, "Bad.wst: No gameMode tag found!\n");
}

TEST_F(CliTest, Check_Folder_CannotBeRead)
{
    std::filesystem::create_directory(folder / "Folder.wst");
    const ToolResult result = Run({"check", "Folder.wst"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Folder.wst: cannot read the file: ", 0), 0u) << result.err;
}
