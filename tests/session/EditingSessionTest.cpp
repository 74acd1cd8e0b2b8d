// The profile commands, publishing and start-up as a person meets them: a
// working folder and a Wine prefix before, the user's steps and the answers
// to the questions, then the messages shown, the files changed and what the
// window would show afterwards.

#include "session/EditingSession.h"

#include "profile/FolderLock.h"
#include "session/DestinationHolding.h"
#include "session/SessionView.h"
#include "tests/support/Documents.h"
#include "tests/support/FakeWinePrefix.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StateHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;  // "c:/..." lies on drive C of the prefix
const std::string kRemoved = "<removed>";

// What the window shows, as the session reports it.
class RecordingView : public SessionView {
public:
    void ShowProfile(const Profile& profile) override { shown = profile; }
    void ShowProfileEntries(const std::vector<std::string>& list) override { entries = list; }
    void ShowSelectedEntry(int entry) override { selected = entry; }
    void ShowSaveAndRevert(bool enabled) override { saveAndRevert = enabled; }
    void ShowPublishTargets(const PublishTargets& targets) override
    {
        offered.clear();
        descriptions.clear();
        for (const PublishTargetEntry& entry : publishTargets) {
            if (targets.IsAvailable(entry.target))
                offered += (offered.empty() ? "" : " ") + std::string(entry.name);
            descriptions.push_back(targets.Description(entry.target));
        }
    }

    std::optional<Profile> shown;
    std::vector<std::string> entries;
    int selected = -1;
    bool saveAndRevert = false;
    std::string offered;
    std::vector<std::string> descriptions;  // in the order of publishTargets
};

std::string Default()
{
    return DefaultBytes();
}

const std::string kEdited = KitOff(Default(), "NVA_Scout_Alt");  // ClearRedScoutAlternativeKit
const std::string kBravo = KitOff(Default(), "NVA_Assault");
const std::string kServerFile = "c:/Games/BFV Server/Mods/bfvietnam/save/GameModeSettings/"
                                "CustomCombat.wst";
const std::string kGameFile = "c:/Games/BFV/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
const std::string kNoServerKey = "no registry key HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\EA "
                                 "GAMES\\Battlefield Vietnam Server";
const std::string kCwdOnly = "publishing only into the working folder";

using Step = std::function<void(EditingSession&)>;
// Each step as the window hands it to the session.
Step Pick(int entry)
{
    return [entry](EditingSession& session) { session.SwitchTo(entry); };
}
const Step kClearRedScoutAlternativeKit
    = [](EditingSession& session) { session.edits().SetKit(Side::Red, 1, false); };
const Step kNew = [](EditingSession& session) { session.New(); };
const Step kSave = [](EditingSession& session) { session.Save(); };
const Step kRevert = [](EditingSession& session) { session.Revert(); };
const Step kSaveAs = [](EditingSession& session) { session.SaveAs(); };
const Step kRefresh = [](EditingSession& session) { session.RefreshFromDisk(); };
const Step kUndo = [](EditingSession& session) { session.Undo(); };
const Step kRedo = [](EditingSession& session) { session.Redo(); };
// Another program writes the file, as editors and quavel-cli do.
void ReplaceFile(const std::string& file, const std::string& bytes)
{
    std::ofstream(file + ".new", std::ios::binary) << bytes;
    fs::rename(file + ".new", file);
}
Step Replace(std::string file, std::string bytes)
{
    return [file, bytes](EditingSession&) { ReplaceFile(file, bytes); };
}
Step Publish(std::optional<PublishTarget> target)
{
    return [target](EditingSession& session) { session.Publish(target); };
}
// The folder (below the working folder) as the dialog would answer it.
Step AskFolder(Product product)
{
    return [product](EditingSession& session) { session.AskInstallFolder(product); };
}
const Step kForget = [](EditingSession& session) { session.ForgetChosenFolders(); };
Step Edit(std::function<void(ProfileEdits&)> edit)
{
    return [edit](EditingSession& session) { edit(session.edits()); };
}
Step Run(std::function<void()> action)
{
    return [action](EditingSession&) { action(); };
}

struct Scenario {
    std::string name = {};
    Files files = {};
    // GAMEDIR of the server and of the game; none leaves that key out.
    std::optional<std::string> server = "C:\\Games\\BFV Server";
    std::optional<std::string> game = "C:\\Games\\BFV";
    PublishScope scope = PublishScope::Installs;
    std::string open = {};  // the profile asked for on the command line
    // Starts as a user who may not write the working folder.
    bool startsLockedOut = false;
    std::vector<Step> steps = {};
    std::deque<MessageAnswer> answers = {};
    std::function<void()> whileAsked = {};
    std::deque<std::optional<std::string>> texts = {};
    std::deque<std::optional<std::string>> fileNames = {};
    std::deque<std::optional<std::string>> folders = {};
    // Afterwards: {cwd} stands for the working folder, {c} for drive C.
    std::vector<std::string> log = {};
    Files changes = {};  // written, replaced or kRemoved; every other file stays as it was
    std::vector<std::string> entries = {};  // the list, where the scenario is about it
    std::string current = "Alpha";
    int selected = 1;
    bool modified = false;
    bool saveAndRevert = false;
    std::string offered = "server game both cwd";
    std::vector<std::string> descriptions = {};  // server, game, both, cwd; where it is about them
    bool closed = true;  // the window would close now; also checked when there are no edits
    // The window shows the profile as the session holds it (after an undo or redo).
    bool showsCurrent = false;
    // What the server's file holds, up to the date; where the scenario is about it.
    std::string serverHolds = {};
};

void PrintTo(const Scenario& scenario, std::ostream* out)
{
    *out << scenario.name;
}

std::string ScenarioName(const testing::TestParamInfo<Scenario>& info)
{
    return info.param.name;
}

class EditingSessionTest : public testing::TestWithParam<Scenario> {
protected:
    std::string Placeholders(std::string text) const
    {
        for (const auto& [path, placeholder] : {std::pair{prefix.ThroughDriveC().string(), "{c}/"},
                 {(home / ".wine/dosdevices/c:/").string(), "{c}/"},
                 {work.path().string(), "{cwd}"}})
            for (auto at = text.find(path); at != std::string::npos; at = text.find(path))
                text.replace(at, path.size(), placeholder);
        return text;
    }
    fs::path HostPath(const std::string& file) const
    {
        return file.starts_with("c:/") ? prefix.DriveC() / file.substr(3) : work.path() / file;
    }
    Files Snapshot() const
    {
        Files files;
        for (const fs::path& root : {work.path(), prefix.DriveC()}) {
            for (const auto& entry : fs::recursive_directory_iterator(root)) {
                if (entry.is_regular_file())
                    files[(root == work.path() ? "" : "c:/") + fs::relative(entry, root).string()]
                        = FileBytes(entry.path());
            }
        }
        return files;
    }

    StateHome state;
    WorkingFolder work;
    TestFolder home;  // its .wine is the prefix
    FakeWinePrefix prefix;
    ScriptedDialogs dialogs;
    RecordingView view;
};

TEST_P(EditingSessionTest, ShowsAndWritesAsExpected)
{
    const Scenario& scenario = GetParam();
    prefix.WriteRegistry(InstallsRegistryText(scenario.server, scenario.game));
    for (const auto& [file, bytes] : scenario.files) {
        fs::create_directories(HostPath(file).parent_path());
        work.Write(HostPath(file), bytes);
    }
    dialogs.answers = scenario.answers;
    dialogs.whileAsked = scenario.whileAsked;
    dialogs.texts = scenario.texts;
    dialogs.fileNames = scenario.fileNames;
    dialogs.folders = scenario.folders;
    for (auto* names : {&dialogs.fileNames, &dialogs.folders}) {
        for (auto& name : *names) {
            if (name)
                name = (work.path() / *name).string();
        }
    }
    fs::create_directory_symlink(prefix.path(), home.path() / ".wine");

    EditingSession session(dialogs, view);
    if (scenario.startsLockedOut) {
        // The superuser writes anywhere: the start then runs as "nobody".
        fs::permissions(work.path(), fs::perms::owner_write, fs::perm_options::remove);
        if (::geteuid() == 0 && ::seteuid(65534) != 0)
            GTEST_SKIP() << "cannot run as another user to lock the folder";
    }
    session.Start(
        InstallSearch{{home.path(), "", ""}, {}, std::nullopt}, scenario.scope, scenario.open);
    if (scenario.startsLockedOut) {
        ASSERT_EQ(::seteuid(::getuid()), 0);
        fs::permissions(work.path(), fs::perms::owner_write, fs::perm_options::add);
    }
    for (const Step& step : scenario.steps)
        step(session);
    if (scenario.showsCurrent) {
        EXPECT_EQ(view.shown, session.profile());
    }
    if (!scenario.serverHolds.empty()) {
        EXPECT_THAT(
            LocalHolding(session.publishTargets().Destinations(PublishTarget::Server).at(0)).Text(),
            testing::StartsWith(scenario.serverHolds));
    }
    const bool closed = !session.failed() && session.Close();

    std::vector<std::string> log;
    for (const std::string& line : dialogs.log)
        log.push_back(Placeholders(line));
    EXPECT_EQ(log, scenario.log);
    Files expected = scenario.changes;
    expected.merge(Files(scenario.files));
    std::erase_if(expected, [](const auto& file) { return file.second == kRemoved; });
    EXPECT_EQ(Snapshot(), expected);
    EXPECT_EQ(view.offered, scenario.offered);
    if (!scenario.descriptions.empty()) {
        std::vector<std::string> descriptions;
        for (const std::string& text : view.descriptions)
            descriptions.push_back(Placeholders(text));
        EXPECT_EQ(descriptions, scenario.descriptions);
    }
    EXPECT_EQ(closed, scenario.closed);
    if (session.failed())
        return;
    EXPECT_EQ(view.shown.value().name, scenario.current);
    EXPECT_EQ(view.selected, scenario.selected);
    EXPECT_EQ(session.state().modified, scenario.modified);
    EXPECT_EQ(view.saveAndRevert, scenario.saveAndRevert);
    if (!scenario.entries.empty()) {
        EXPECT_EQ(view.entries, scenario.entries);
    }
}

const std::string kSaveChanges = "application: Your profile has been modified. Save changes?";
const std::string kChangedByAnother = "application: Alpha.wst has been changed by another program "
                                      "since it was opened. Overwrite it with your edits?";
const std::string kReplaceChanged
    = "application: CustomCombat.wst in the working folder was changed since it was last "
      "published from here. Replace it?";
const Files kAlphaBravo{{"Alpha.wst", Default()}, {"Bravo.wst", kBravo}};
const Files kDefaultFile{{"Default.wst", Default()}};

// Ten edits of the built-in document (NVA red, US Army blue), each with the
// change it makes to the saved bytes.
struct TenEdits {
    Step edit;
    std::function<std::string(std::string)> written;
};
const std::string kUazByT54 = "alternative=\"t54\" changeType=\"2\"";
const TenEdits kTenEdits[] = {
    {kClearRedScoutAlternativeKit, [](std::string b) { return KitOff(b, "NVA_Scout_Alt"); }},
    {Edit([](ProfileEdits& e) { e.SetKit(Side::Red, 0, false); }),
        [](std::string b) { return KitOff(b, "NVA_Scout"); }},
    {Edit([](ProfileEdits& e) { e.SetWeapon(Side::Red, 0, false); }),
        [](std::string b) { return WeaponOff(b, "NVA", 1); }},
    {Edit([](ProfileEdits& e) { e.SetWeapon(Side::Red, 1, false); }),
        [](std::string b) { return WeaponOff(b, "NVA", 2); }},
    {Edit([](ProfileEdits& e) { e.SetKit(Side::Blue, 0, false); }),
        [](std::string b) { return KitOff(b, "usarmy_recon"); }},
    {Edit([](ProfileEdits& e) { e.SetKit(Side::Blue, 1, false); }),
        [](std::string b) { return KitOff(b, "usarmy_recon_alt"); }},
    {Edit([](ProfileEdits& e) { e.SetWeapon(Side::Blue, 0, false); }),
        [](std::string b) { return WeaponOff(b, "USArmy", 1); }},
    {Edit([](ProfileEdits& e) { e.ChooseSubstitute(7, 6); }),
        [](std::string b) {
            return ReplaceAll(b, "alternative=\"uaz\" changeType=\"1\"", kUazByT54);
        }},
    {Edit([](ProfileEdits& e) { e.SetClassKits(Side::Red, 0, false); }),
        [](std::string b) { return KitOff(KitOff(b, "NVA_Assault"), "NVA_Assault_Alt"); }},
    {Edit([](ProfileEdits& e) { e.ChooseTeam(Side::Red, 4); }),
        [](std::string b) { return ReplaceAll(b, "activeTeams=\"3/0\"", "activeTeams=\"3/4\""); }},
};
// The first count of the ten edits, as steps or as the bytes they save.
std::vector<Step> Edits(std::size_t count, std::vector<Step> after = {})
{
    std::vector<Step> steps{Pick(1)};
    for (std::size_t index = 0; index < count; ++index)
        steps.push_back(kTenEdits[index].edit);
    steps.insert(steps.end(), after.begin(), after.end());
    return steps;
}
std::string Edited(std::size_t count)
{
    std::string bytes = Default();
    for (std::size_t index = 0; index < count; ++index)
        bytes = kTenEdits[index].written(bytes);
    return bytes;
}
std::vector<Step> Times(int count, const Step& step)
{
    return std::vector<Step>(static_cast<std::size_t>(count), step);
}
std::vector<Step> Then(std::initializer_list<std::vector<Step>> parts)
{
    std::vector<Step> steps;
    for (const std::vector<Step>& part : parts)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}
const std::string kUazAndMuttSubstituted
    = ReplaceAll(DefaultWith("alternative=\"uaz\" changeType=\"1\"", kUazByT54),
        "<mutt name=\"mutt\" alternative=\"mutt\"", "<mutt name=\"mutt\" alternative=\"uaz\"");

const Scenario kScenarios[] = {
    {.name = "Start_ProfileAskedFor_ShownBeforeCustomCombat",
        .files = {{"Alpha.wst", Default()}, {"CustomCombat.wst", kBravo}},
        .open = "Alpha"},
    {.name = "Start_FirstCustomCombatProfile",
        .files = {{"Alpha.wst", Default()}, {"customcombat2.wst", kBravo}},
        .entries = {"Default", "Alpha", "customcombat2"},
        .current = "customcombat2",
        .selected = 2},
    {.name = "Start_NoCustomCombat_DefaultAndItsFile",
        .files = kAlphaBravo,
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0},
    {.name = "Start_RefusedCustomCombat_ToldThenDefault",
        .files = {{"CustomCombat.wst", "<profile/>"}},
        .log = {"window: Error Loading! | Unable to load WST file!\nNo gameMode tag found!"},
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0},
    {.name = "Start_GameOnly_ServerAndBothNotOfferedWithTheKeyRead",
        .server = std::nullopt,
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0,
        .offered = "game cwd",
        .descriptions = {kNoServerKey, "{c}/" + kGameFile.substr(3),
            "Server: " + kNoServerKey + "\nGame: {c}/" + kGameFile.substr(3),
            "{cwd}/CustomCombat.wst"}},
    {.name = "Start_WorkingFolderOnly_InstallsNotOffered",
        .scope = PublishScope::WorkingFolderOnly,
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0,
        .offered = "cwd",
        .descriptions = {kCwdOnly, kCwdOnly, "Server: " + kCwdOnly + "\nGame: " + kCwdOnly,
            "{cwd}/CustomCombat.wst"}},
    // A chosen folder needs no registry, wins over ~/.wine and is forgotten.
    {.name = "Choose_GameFolderWithoutRegistry_PublishedThereThenForgotten",
        .files = {{"Mine/BfVietnam.exe", ""}},
        .server = std::nullopt,
        .game = std::nullopt,
        .steps = {AskFolder(Product::Game), Publish(PublishTarget::Game), kForget},
        .folders = {"Mine"},
        .log = {"folder dialog: Choose Game Folder | {cwd}"},
        .changes = {{"Default.wst", Default()},
            {"Mine/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst", Default()}},
        .current = "Default",
        .selected = 0,
        .offered = "cwd"},
    {.name = "Choose_GameFolder_WinsOverTheRegistry",
        .files = {{"Mine/BfVietnam.exe", ""}},
        .steps = {AskFolder(Product::Game), Publish(PublishTarget::Both)},
        .folders = {"Mine"},
        .log = {"folder dialog: Choose Game Folder | {c}/Games/BFV"},
        .changes = {{"Default.wst", Default()}, {kServerFile, Default()},
            {"Mine/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst", Default()}},
        .current = "Default",
        .selected = 0},
    {.name = "Choose_Cancelled_NothingChanges",
        .steps = {AskFolder(Product::Server)},
        .folders = {std::nullopt},
        .log = {"folder dialog: Choose Server Folder | {c}/Games/BFV Server"},
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0},
    {.name = "Start_SettingsFolderBlocked_Told",
        .files = {{"c:/Blocked", "a file"}},
        .server = "C:\\Blocked",
        .log = {"application: Could not create directory:\n{c}/Blocked/Mods/bfvietnam/save/"
                "GameModeSettings"},
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0},
    {.name = "Start_NoWriteAccess_Fatal",
        .scope = PublishScope::WorkingFolderOnly,
        .startsLockedOut = true,
        .log = {"window:  | You do not have write access to the QUAVEL folder. This is "
                "required for QUAVEL to work!"},
        .offered = "cwd",
        .closed = false},
    {.name = "Start_LeftoverTestFile_Starts",
        .files = {{"quavel.tst", "left over"}, {"Upper.WST", Default()}},
        .steps = {Pick(1)},
        .changes = kDefaultFile,
        .current = "Upper"},
    {.name = "Switch_Cancel_StaysWithTheEditsAndSelectionBack",
        .files = kAlphaBravo,
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Pick(2)},
        .answers = {MessageAnswer::Cancel, MessageAnswer::No},
        .log = {kSaveChanges, kSaveChanges},
        .changes = kDefaultFile,
        .modified = true,
        .saveAndRevert = true},
    {.name = "Switch_YesOnDefault_SavesAsThenLoadsThePicked",
        .files = kAlphaBravo,
        .steps = {kClearRedScoutAlternativeKit, Pick(2)},
        .answers = {MessageAnswer::Yes},
        .fileNames = {"Mine.wst"},
        .log = {kSaveChanges, "save dialog in: {cwd}", "application: Saved As:\n{cwd}/Mine.wst"},
        .changes = {{"Default.wst", kEdited}, {"Mine.wst", kEdited}},
        .current = "Bravo",
        .selected = 2},
    {.name = "Switch_ToDefault_RewritesItsFile",
        .files = {{"Alpha.wst", Default()}, {"Default.wst", "edited by hand"}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Pick(0)},
        .answers = {MessageAnswer::No},
        .log = {kSaveChanges},
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0},
    {.name = "Switch_RefusedFile_KeepsTheProfileAndItsDocument",
        .files = {{"Alpha.wst", Default()}, {"Broken.wst", "<gameMode/>"}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Pick(2), kSave},
        .answers = {MessageAnswer::No},
        .log = {kSaveChanges,
            "window: Error Loading! | Unable to load WST file!\nNo activeTeams found!"},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kEdited}}},
    {.name = "New_RefusedNamesAskAgain_ThenCreated",
        .files = {{"Alpha.wst", kBravo}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, kNew},
        .answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes},
        .texts = {"Default", "Alpha", "a/b", "Gamma"},
        .log = {"prompt: New Profile | What would you like your profile to be called?",
            "application: Cannot save over default profile! Try again?",
            "prompt: New Profile | What would you like your profile to be called?",
            "application: Could not create profile! Try again?",
            "prompt: New Profile | What would you like your profile to be called?",
            "application: Could not create profile! Try again?",
            "prompt: New Profile | What would you like your profile to be called?"},
        .changes = {{"Default.wst", Default()}, {"Gamma.wst", Default()}},
        .entries = {"Default", "Alpha", "Gamma"},
        .current = "Gamma",
        .selected = 2},
    // Only "Default" itself is the built-in profile.
    {.name = "New_LowerCaseDefault_AProfileOfItsOwn",
        .files = {{"Alpha.wst", Default()}},
        .steps = {kNew, kClearRedScoutAlternativeKit},
        .answers = {MessageAnswer::No},
        .texts = {"default"},
        .log
        = {"prompt: New Profile | What would you like your profile to be called?", kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"default.wst", Default()}},
        .entries = {"Default", "Alpha", "default"},
        .current = "default",
        .selected = 2,
        .modified = true,
        .saveAndRevert = true},
    {.name = "New_Cancelled_NothingChanges",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kNew},
        .texts = {std::nullopt},
        .log = {"prompt: New Profile | What would you like your profile to be called?"},
        .changes = kDefaultFile},
    {.name = "Save_Fails_ToldAndStillModified",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit,
            Run([] { fs::remove("Alpha.wst"), fs::create_directories("Alpha.wst/x"); }), kSave},
        .answers = {MessageAnswer::Yes, MessageAnswer::No},
        .log = {kChangedByAnother,
            "window: Error Saving! | Unable to save WST file! Do you have write permissions "
            "to the QUAVEL folder?\nIs a directory",
            kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kRemoved}},
        .modified = true,
        .saveAndRevert = true},
    {.name = "Save_ChangedByAnotherProgram_NoKeepsTheEditsUnsaved",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Replace("Alpha.wst", kBravo), kSave,
            Publish(PublishTarget::WorkingFolder)},
        .answers = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::No},
        .log = {kChangedByAnother, kChangedByAnother, kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kBravo}},
        .modified = true,
        .saveAndRevert = true},
    // Nobody waits for the user: the folder stays free while the question is open.
    {.name = "Save_ChangedByAnotherProgram_YesOverwrites",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Replace("Alpha.wst", kBravo), kSave},
        .answers = {MessageAnswer::Yes},
        .whileAsked = [] { EXPECT_EQ(FolderLock(".", std::chrono::milliseconds(0)).error(), 0); },
        .log = {kChangedByAnother},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kEdited}}},
    {.name = "Save_ChangedAgainWhileAsked_AskedAgain",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Replace("Alpha.wst", kBravo), kSave},
        .answers = {MessageAnswer::Yes, MessageAnswer::Yes},
        .whileAsked =
            [asked = std::make_shared<int>(0)] {
                if ((*asked)++ == 0)
                    ReplaceFile("Alpha.wst", Default() + "<!-- saved meanwhile -->");
            },
        .log = {kChangedByAnother, kChangedByAnother},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kEdited}}},
    {.name = "Switch_YesButChangedByAnotherProgram_StaysWithTheEdits",
        .files = kAlphaBravo,
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Replace("Alpha.wst", kBravo), Pick(2)},
        .answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No},
        .log = {kSaveChanges, kChangedByAnother, kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kBravo}},
        .modified = true,
        .saveAndRevert = true},
    {.name = "Refresh_CleanProfileReloadedAndListFollows",
        .files = kAlphaBravo,
        .steps = {Pick(1), Replace("Alpha.wst", kBravo), Run([] { fs::remove("Bravo.wst"); }),
            Replace("Zulu.wst", Default()), kRefresh, kSave},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kBravo}, {"Bravo.wst", kRemoved},
            {"Zulu.wst", Default()}},
        .entries = {"Default", "Alpha", "Zulu"}},
    {.name = "Refresh_EditsKeptAndAskedAtSave",
        .files = {{"Alpha.wst", Default()}},
        .steps
        = {Pick(1), kClearRedScoutAlternativeKit, Replace("Alpha.wst", kBravo), kRefresh, kSave},
        .answers = {MessageAnswer::Yes},
        .log = {kChangedByAnother},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kEdited}}},
    {.name = "Publish_OwnFileReadOnly_ToldAgainstItAndNothingCopied",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit,
            Run([] { fs::permissions("Alpha.wst", fs::perms::owner_read); }),
            Publish(PublishTarget::Both)},
        .answers = {MessageAnswer::No},
        .log = {"window: Error Saving! | Unable to save WST file! Do you have write permissions "
                "to the QUAVEL folder?\nPermission denied",
            kSaveChanges},
        .changes = kDefaultFile,
        .modified = true,
        .saveAndRevert = true},
    {.name = "Revert_ShowsTheFileAgain",
        .files = {{"Alpha.wst", kBravo}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit,
            Run([] { std::ofstream("Alpha.wst", std::ios::trunc) << Default(); }), kRevert},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Default()}}},
    {.name = "SaveAs_CopyListedWhileTheProfileStays",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, kSaveAs},
        .answers = {MessageAnswer::No},
        .fileNames = {"Copy.wst"},
        .log = {"save dialog in: {cwd}", "application: Saved As:\n{cwd}/Copy.wst", kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kEdited}, {"Copy.wst", kEdited}},
        .entries = {"Default", "Alpha", "Copy"},
        .modified = true,
        .saveAndRevert = true},
    {.name = "SaveAs_MissingFolder_ErrorAndNoRefresh",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kSaveAs},
        .fileNames = {"missing/Copy.wst"},
        .log = {"save dialog in: {cwd}",
            "application: Error Saving As:\n{cwd}/missing/Copy.wst\n"
            "Error: 2"},
        .changes = kDefaultFile},
    {.name = "Publish_ServerFails_ToldWithTheFolderFreeThenTheGame",
        .files = {{"Alpha.wst", Default()}, {kServerFile + "/x", ""}},
        .steps = {Pick(1), Publish(PublishTarget::Both)},
        .whileAsked = [] { EXPECT_EQ(FolderLock(".", std::chrono::milliseconds(0)).error(), 0); },
        .log = {"application: Error Publishing to:\n{c}/" + kServerFile.substr(3) + "\nError: 21"},
        .changes = {{"Default.wst", Default()}, {kGameFile, Default()}}},
    {.name = "Publish_Game_OnlyTheGame",
        .files = {{"Alpha.wst", Default()}, {kServerFile, "before"}},
        .steps = {Pick(1), Publish(PublishTarget::Game)},
        .changes = {{"Default.wst", Default()}, {kGameFile, Default()}}},
    {.name = "Publish_WorkingFolder_ListedAndStillCurrent",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit, Publish(PublishTarget::WorkingFolder)},
        .changes
        = {{"Default.wst", Default()}, {"Alpha.wst", kEdited}, {"CustomCombat.wst", kEdited}},
        .entries = {"Default", "Alpha", "CustomCombat"}},
    {.name = "Edit_OnDefault_SaveAndRevertStayOff",
        .steps = {kClearRedScoutAlternativeKit},
        .answers = {MessageAnswer::No},
        .log = {kSaveChanges},
        .changes = kDefaultFile,
        .current = "Default",
        .selected = 0,
        .modified = true},
    {.name = "Publish_Default_ClearsModified",
        .steps = {kClearRedScoutAlternativeKit, Publish(PublishTarget::Server)},
        .changes = {{"Default.wst", kEdited}, {kServerFile, kEdited}},
        .current = "Default",
        .selected = 0},
    {.name = "Edit_TeamTakenByTheOtherSide_ToldAndReplaced",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), Edit([](ProfileEdits& edits) {
                      EXPECT_EQ(edits.ChooseTeam(Side::Red, 3), 0);
                      EXPECT_EQ(edits.ChooseTeam(Side::Blue, 0), 1);
                      EXPECT_EQ(edits.ChooseTeam(Side::Red, 4), 4);
                  }),
            kSave},
        .log = {"application: The teams must be different!",
            "application: The teams must be different!"},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", WithTeams("1/4")}}},
    // Undo and redo: each edit is one step, and the state last loaded or
    // saved is unmodified whichever way it is reached.
    {.name = "Undo_FiveBackTwoForward_TheSeventhStateSaved",
        .files = {{"Alpha.wst", Default()}},
        .steps = Then({Edits(10), Times(5, kUndo), Times(2, kRedo), {kSave}}),
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Edited(7)}}},
    {.name = "Undo_BackToTheLoadedState_UnmodifiedWithoutAQuestion",
        .files = {{"Alpha.wst", Default()}},
        .steps = Then({Edits(10), Times(5, kUndo), Times(2, kRedo), Times(7, kUndo)}),
        .changes = kDefaultFile,
        .showsCurrent = true},
    {.name = "Undo_PastTheSavedState_ModifiedAgain",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(2, {kSave, kUndo}),
        .answers = {MessageAnswer::No},
        .log = {kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Edited(2)}},
        .modified = true,
        .saveAndRevert = true,
        .showsCurrent = true},
    {.name = "Redo_DroppedByANewEdit",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(2, {kUndo, kTenEdits[2].edit, kRedo, kUndo, kSave}),
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Edited(1)}}},
    // After a save, undoing and editing anew can never lead back to it.
    {.name = "Undo_SavedStateDroppedByANewEdit_StaysModified",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(2, {kSave, kUndo, kTenEdits[2].edit, kUndo}),
        .answers = {MessageAnswer::No},
        .log = {kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Edited(2)}},
        .modified = true,
        .saveAndRevert = true},
    {.name = "Undo_TeamsMustDifferReselection_OneStepWithTheChoice",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), Edit([](ProfileEdits& edits) { edits.ChooseTeam(Side::Red, 2); }),
            Edit([](ProfileEdits& edits) { EXPECT_EQ(edits.ChooseTeam(Side::Red, 3), 0); }), kUndo,
            kSave},
        .log = {"application: The teams must be different!"},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", WithTeams("3/2")}}},
    {.name = "Undo_ClassBox_BothKitsTogether",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(1,
            {Edit([](ProfileEdits& edits) { edits.SetClassKits(Side::Red, 3, false); }), kUndo,
                kSave}),
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Edited(1)}}},
    {.name = "Undo_DefaultButton_EverySubstituteInOneStep",
        .files = {{"Alpha.wst", kUazAndMuttSubstituted}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit,
            Edit([](ProfileEdits& edits) { edits.ResetSubstitutes(); }), kUndo, kSave},
        .changes = {{"Default.wst", Default()},
            {"Alpha.wst", KitOff(kUazAndMuttSubstituted, "NVA_Scout_Alt")}}},
    // A refused team that gives the side its own team again, a kit set as it
    // is and a class box turning mixed change nothing.
    {.name = "Undo_ClicksThatChangeNothing_NoStepAndNotModified",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(1,
            {Edit([](ProfileEdits& edits) {
                 edits.ChooseTeam(Side::Red, 3);
                 edits.SetKit(Side::Red, 1, false);
                 edits.SetClassKits(Side::Red, 0, std::nullopt);
             }),
                kUndo}),
        .log = {"application: The teams must be different!"},
        .changes = kDefaultFile},
    {.name = "Undo_AfterSwitching_NothingOfTheOtherProfile",
        .files = kAlphaBravo,
        .steps = Edits(2, {Pick(2), kUndo, kRedo}),
        .answers = {MessageAnswer::No},
        .log = {kSaveChanges},
        .changes = kDefaultFile,
        .current = "Bravo",
        .selected = 2,
        .showsCurrent = true},
    {.name = "Undo_AfterPublish_ModifiedAgainstThePublishedFile",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(1, {Publish(PublishTarget::WorkingFolder), kUndo}),
        .answers = {MessageAnswer::No},
        .log = {kSaveChanges},
        .changes
        = {{"Default.wst", Default()}, {"Alpha.wst", Edited(1)}, {"CustomCombat.wst", Edited(1)}},
        .modified = true,
        .saveAndRevert = true},
    {.name = "Publish_OverAFileChangedSince_NoKeepsIt",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(1,
            {Publish(PublishTarget::WorkingFolder), Replace("CustomCombat.wst", "tuned"),
                kTenEdits[1].edit, Publish(PublishTarget::WorkingFolder)}),
        .answers = {MessageAnswer::No},
        .whileAsked = [] { EXPECT_EQ(FolderLock(".", std::chrono::milliseconds(0)).error(), 0); },
        .log = {kReplaceChanged},
        .changes
        = {{"Default.wst", Default()}, {"Alpha.wst", Edited(2)}, {"CustomCombat.wst", "tuned"}}},
    {.name = "Publish_OverAFileChangedSince_YesReplacesIt",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(1,
            {Publish(PublishTarget::WorkingFolder), Replace("CustomCombat.wst", "tuned"),
                kTenEdits[1].edit, Publish(PublishTarget::WorkingFolder),
                Publish(PublishTarget::WorkingFolder)}),
        .answers = {MessageAnswer::Yes},
        .log = {kReplaceChanged},
        .changes
        = {{"Default.wst", Default()}, {"Alpha.wst", Edited(2)}, {"CustomCombat.wst", Edited(2)}}},
    {.name = "Publish_Server_HoldsThatProfile",
        .files = {{"Alpha.wst", Default()}, {kServerFile, "before"}},
        .steps = Edits(1, {Publish(PublishTarget::Server)}),
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Edited(1)}, {kServerFile, Edited(1)}},
        .serverHolds = "Alpha, published "},
    {.name = "Save_AfterPublishing_ServerHoldsTheProfileAsPublished",
        .files = {{"Alpha.wst", Default()}},
        .steps = Edits(1, {Publish(PublishTarget::Both), kTenEdits[1].edit, kSave}),
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", Edited(2)}, {kServerFile, Edited(1)},
            {kGameFile, Edited(1)}},
        .serverHolds = "Alpha as published "},
    {.name = "Close_CancelKeepsTheWindowOpen",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit},
        .answers = {MessageAnswer::Cancel},
        .log = {kSaveChanges},
        .changes = kDefaultFile,
        .modified = true,
        .saveAndRevert = true,
        .closed = false},
    {.name = "Close_YesSavesAndCloses",
        .files = {{"Alpha.wst", Default()}},
        .steps = {Pick(1), kClearRedScoutAlternativeKit},
        .answers = {MessageAnswer::Yes},
        .log = {kSaveChanges},
        .changes = {{"Default.wst", Default()}, {"Alpha.wst", kEdited}}},
};

INSTANTIATE_TEST_SUITE_P(
    Scenarios, EditingSessionTest, testing::ValuesIn(kScenarios), ScenarioName);

}  // namespace
