// The publish journal through the real tool: what publish records, what log
// and targets read from it in the user's time zone, the question publish asks
// over a file changed by hand, and several tools appending at once.

#include "CliTest.h"

#include "profile/FolderLock.h"
#include "session/PublishJournal.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

const std::string kCwdFile = "{cwd}/CustomCombat.wst";
const std::string kNight = WithTeams("3/4");
const std::string kJournal = "state/quavel/publish.journal";

// sha256sum's digest, computed apart from the program.
std::string Sha256Sum(const std::filesystem::path& file)
{
    const std::string command = "sha256sum " + ShellQuoted(file.string());
    std::string digest(64, '\0');
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr || std::fread(digest.data(), 1, digest.size(), pipe) != digest.size())
        digest.clear();
    if (pipe != nullptr)
        ::pclose(pipe);
    return digest;
}

// A journal line as the program writes it, for bytes that some file holds.
std::string Record(const std::string& time, const std::string& bytes, const std::string& profile,
    const std::string& profileFile, const std::string& destination,
    const std::filesystem::path& scratch)
{
    std::ofstream(scratch, std::ios::binary) << bytes;
    return time + '\t' + std::to_string(bytes.size()) + '\t' + Sha256Sum(scratch) + '\t' + profile
        + '\t' + profileFile + '\t' + destination + '\n';
}

class JournalTest : public CliTest {
protected:
    JournalTest()
    {
        world.Write(
            "wine/system.reg", InstallsRegistryText("C:\\Games\\BFV Server", "C:\\Games\\BFV"));
    }
    // The tool runs in this zone: one with a half-hour daylight offset, and UTC.
    void InZone(const char* zone) { ::setenv("TZ", zone, 1); }
    ~JournalTest() override { ::unsetenv("TZ"); }

    std::string Line(const std::string& time, const std::string& bytes, const std::string& profile,
        const std::string& destination = kCwdFile)
    {
        return Record(
            time, bytes, profile, "{cwd}/" + profile + ".wst", destination, root / "scratch");
    }
    void WriteJournal(const std::string& text)
    {
        std::filesystem::create_directories(root / "state/quavel");
        Write({{"~/journal", text}});
        std::filesystem::rename(root / "home/journal", root / kJournal);
    }
    std::string Journal() const { return FileBytes(root / kJournal); }
};

TEST_F(JournalTest, Log_RecordsInTheUsersTimeZoneAndCorruptLinesSkipped)
{
    // A field too many after the time; a name with an escaped tab, on a CRLF line.
    const std::string extraField
        = Line("2026-07-01T12:00:00Z", kNight, "Day").replace(20, 1, "\t\t");
    std::string crlf = Line("2026-07-01T12:00:00Z", DefaultBytes(), "Day\\tTab");
    crlf.insert(crlf.size() - 1, "\r");
    WriteJournal(
        Line("2026-01-02T03:04:05Z", kNight, "Night") + "not a record\n\n" + extraField + crlf);
    struct Zone {
        const char* zone;
        std::string january;
        std::string july;
    };
    for (const Zone& zone : {Zone{"Australia/Lord_Howe", "2026-01-02 14:04", "2026-07-01 22:30"},
             Zone{"UTC", "2026-01-02 03:04", "2026-07-01 12:00"}}) {
        SCOPED_TRACE(zone.zone);
        InZone(zone.zone);
        const ToolResult log = Run({"log"});
        EXPECT_EQ(log.exitCode, 0);
        EXPECT_EQ(log.err,
            "quavel-cli: skipped line 2 of {state}/quavel/publish.journal: not a publish record\n"
            "quavel-cli: skipped line 4 of {state}/quavel/publish.journal: not a publish record\n");
        EXPECT_THAT(log.out,
            MatchesRegex(zone.january + " +Night +" + std::to_string(kNight.size())
                + " bytes +[0-9a-f]{12} +\\{cwd\\}/CustomCombat.wst\n" + zone.july
                + " +Day\tTab +[0-9]+ bytes +[0-9a-f]{12} +\\{cwd\\}/CustomCombat.wst\n"));
    }
}

// What publish writes is recorded as it lies at the destination; log --json
// gives it back whole, and targets tells that the destination holds it.
TEST_F(JournalTest, Publish_RecordsTheDestinationsBytesAndTargetsNamesTheProfile)
{
    InZone("Australia/Lord_Howe");
    Write({{"Night.wst", kNight}});
    ASSERT_EQ(Run({"publish", "Night", "--to", "server"}).exitCode, 0);
    const std::filesystem::path server = root
        / "wine/drive_c/Games/BFV Server/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
    const ToolResult log = Run({"log", "--json"});
    EXPECT_THAT(log.out,
        MatchesRegex("\\[\n  \\{\n    \"time\": \"[0-9-]{10}T[0-9:]{8}Z\",\n    \"profile\": "
                     "\"Night\",\n    \"profileFile\": \"\\{cwd\\}/Night.wst\",\n    "
                     "\"destination\": \"\\{wine\\}/dosdevices/c:/Games/BFV "
                     "Server/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst\",\n    "
                     "\"size\": "
            + std::to_string(FileBytes(server).size()) + ",\n    \"sha256\": \"" + Sha256Sum(server)
            + "\"\n  \\}\n\\]\n"));
    EXPECT_THAT(Run({"targets"}).out,
        MatchesRegex("(.|\n)*CustomCombat.wst\n  holds: Night, published [0-9-]{10} "
                     "[0-9:]{5}\n(.|\n)*"));
}

struct Holding {
    const char* name;
    Files files;
    std::string journal;  // "" for none
    std::string holds;    // targets' line for cwd, in Lord Howe's time
    std::string state;    // in targets --json
};

TEST_F(JournalTest, Targets_WhatTheWorkingFolderHolds)
{
    InZone("Australia/Lord_Howe");
    const std::string night = Line("2026-01-02T03:04:05Z", kNight, "Night");
    // An older publish of other bytes: the newest record tells.
    const std::string dayThenNight = Line("2025-12-01T00:00:00Z", DefaultBytes(), "Day") + night;
    const Holding holdings[] = {
        {"published and unchanged", {{"Night.wst", kNight}, {"CustomCombat.wst", kNight}},
            dayThenNight, "Night, published 2026-01-02 14:04", "published"},
        {"profile edited since", {{"Night.wst", DefaultBytes()}, {"CustomCombat.wst", kNight}},
            night, "Night as published 2026-01-02 14:04; the profile has been edited since",
            "edited since"},
        {"changed by hand", {{"Night.wst", kNight}, {"CustomCombat.wst", kNight + "\r\n"}},
            dayThenNight, "changed since it was published from here on 2026-01-02 14:04",
            "changed there"},
        {"never published", {{"CustomCombat.wst", kNight}}, "", "not published from here",
            "not published from here"},
        {"removed", {{"Night.wst", kNight}}, night, "no CustomCombat.wst", "no file"},
    };
    for (const Holding& holding : holdings) {
        SCOPED_TRACE(holding.name);
        std::filesystem::remove_all(root / "work");
        std::filesystem::create_directory(root / "work");
        Write(holding.files);
        WriteJournal(holding.journal);
        EXPECT_THAT(Run({"targets", "--cwd-only"}).out,
            HasSubstr("CWD: {cwd}/CustomCombat.wst\n  holds: " + holding.holds + "\n"));
        EXPECT_THAT(Run({"targets", "--cwd-only", "--json"}).out,
            HasSubstr("\"cwdHolds\": {\n    \"state\": \"" + holding.state + "\""));
    }
}

// A file changed by hand since the last publish is replaced only with --force;
// with "Both", the other file is published all the same, and only the file
// replaced has a backup.
TEST_F(JournalTest, Publish_OverAFileChangedByHand_RefusedUnlessForced)
{
    const std::string day = WithTeams("1/4");
    Write({{"Night.wst", kNight}, {"Day.wst", day}});
    ASSERT_EQ(Run({"publish", "Night", "--to", "both"}).exitCode, 0);
    const std::string game = PublishedFile("BFV");
    Write({{game, "tuned by hand"}});
    const ToolResult refused = Run({"publish", "Day", "--to", "both", "--backup"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
        "quavel-cli: CustomCombat.wst in the game's folder was changed since it was last "
        "published from here. --force replaces it.\n");
    const Files after = Snapshot();
    EXPECT_EQ(after.at(game), "tuned by hand");
    EXPECT_EQ(after.at(PublishedFile("BFV Server")), day);
    const auto copies = [&after](const std::string& file) {
        return std::ranges::count_if(
            after, [&file](const auto& entry) { return entry.first.starts_with(file + "."); });
    };
    EXPECT_EQ(copies(game), 0);
    EXPECT_EQ(copies(PublishedFile("BFV Server")), 1);
    const ToolResult forced = Run({"publish", "Night", "--to", "both", "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_EQ(Snapshot()[game], kNight);
    // Published again from here, the file is known again.
    EXPECT_EQ(Run({"publish", "Night", "--to", "game"}).exitCode, 0);
}

// A publish appends only while it holds the journal folder's lock, which a
// trim holds while it rewrites the journal whole.
TEST_F(JournalTest, Publish_WaitsForTheJournalsLock)
{
    Write({{"Night.wst", kNight}});
    std::filesystem::create_directories(root / "state/quavel");
    std::optional<FolderLock> held(std::in_place, root / "state/quavel");
    ASSERT_EQ(held->error(), 0);
    std::future<ToolResult> publish = std::async(std::launch::async, [this] {
        return Run({"publish", "Night", "--to", "cwd"});
    });
    EXPECT_EQ(publish.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
    EXPECT_EQ(Journal(), "");
    held.reset();
    EXPECT_EQ(publish.get().exitCode, 0);
    EXPECT_THAT(Journal(), HasSubstr("\tNight\t"));
}

// Tools publishing at once each append their whole record; past the limit the
// oldest records go and the newest stay.
TEST_F(JournalTest, Publish_ToolsAtOnce_EveryRecordKeptAndTheOldestTrimmed)
{
    constexpr int kTools = 10;
    constexpr std::size_t kOld = PublishJournal::kMaximumRecords * 2;
    std::string old;
    const std::string first = Line("2025-01-01T00:00:00Z", kNight, "Old");
    for (std::size_t record = 0; record < kOld; ++record)
        old += std::regex_replace(
            first, std::regex("\tOld\t"), "\tOld" + std::to_string(record) + "\t");
    WriteJournal(old);
    std::vector<std::vector<std::string>> commandLines;
    for (int tool = 0; tool < kTools; ++tool) {
        const std::string name = "P" + std::to_string(tool);
        Write({{name + ".wst", kNight}, {"~/" + name, std::string(kFolder)}});
        commandLines.push_back({"publish", name, "--to-dir", "{home}/" + name});
    }
    ASSERT_EQ(RunAtOnce(commandLines).exitCode, 0);
    std::vector<std::string> lines;
    std::istringstream journal(Journal());
    for (std::string line; std::getline(journal, line);)
        lines.push_back(line);
    ASSERT_GE(lines.size(), PublishJournal::kMaximumRecords);
    ASSERT_LT(lines.size(), kOld);
    // The old records kept are the newest of them, in their order.
    const std::size_t oldKept = lines.size() - kTools;
    EXPECT_THAT(lines.front(), HasSubstr("\tOld" + std::to_string(kOld - oldKept) + "\t"));
    EXPECT_THAT(lines[oldKept - 1], HasSubstr("\tOld" + std::to_string(kOld - 1) + "\t"));
    std::set<std::string> published;
    for (std::size_t line = oldKept; line < lines.size(); ++line)
        published.insert(lines[line].substr(lines[line].rfind('\t')));  // the destination
    EXPECT_EQ(published.size(), static_cast<std::size_t>(kTools));
}

}  // namespace
