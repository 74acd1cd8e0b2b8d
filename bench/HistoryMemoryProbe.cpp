// What the undo history costs: the resident memory of an editing session
// before and after 10,000 edits of one profile, and after undoing and redoing
// all of them. The history keeps every state as a whole Profile record.
//
//   build/bench/history_memory_probe [EDITS]

#include "bench/ResidentMemory.h"
#include "session/Dialogs.h"
#include "session/EditingSession.h"
#include "session/SessionView.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// No question is asked while editing; a message would mean the probe is wrong.
class NoDialogs : public Dialogs {
public:
    MessageAnswer ShowApplicationMessage(const std::string& text, MessageButtons) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        return MessageAnswer::No;
    }
    void ShowWindowMessage(const std::string&, const std::string& text) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
    }
    std::optional<std::string> AskSaveFileName(const std::string&) override { return {}; }
    std::optional<std::string> AskFolder(const std::string&, const std::string&) override
    {
        return {};
    }
    std::optional<std::string> AskText(const std::string&, const std::string&) override
    {
        return {};
    }
};

}  // namespace

int main(int argumentCount, char** arguments)
{
    const long edits = argumentCount > 1 ? std::atol(arguments[1]) : 10000;
    std::string folder
        = (std::filesystem::temp_directory_path() / "quavel-history-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return 1;
    std::filesystem::current_path(folder);
    NoDialogs dialogs;
    SilentView view;
    EditingSession session(dialogs, view);
    session.Start(
        InstallSearch{{folder, "", ""}, {}, std::nullopt}, PublishScope::WorkingFolderOnly);
    const long loaded = ResidentKilobytes();
    // Each edit switches one weapon slot, so that every one is a step.
    for (long edit = 0; edit < edits; ++edit) {
        const Side side = (edit / GameCatalog::kWeaponSlots) % 2 == 0 ? Side::Red : Side::Blue;
        const int slot = static_cast<int>(edit % GameCatalog::kWeaponSlots);
        const bool allowed = !IsFlagSet(
            SettingsOf(session.profile(), side).weapons[static_cast<std::size_t>(slot)]);
        session.edits().SetWeapon(side, slot, allowed);
    }
    const long edited = ResidentKilobytes();
    long undone = 0;
    while (session.Undo())
        ++undone;
    while (session.Redo()) { }
    const long walked = ResidentKilobytes();
    std::printf("edits: %ld, undone: %ld, record: %zu bytes\n", edits, undone, sizeof(Profile));
    std::printf("resident: %ld kB loaded, %ld kB after the edits (+%ld kB, %.0f bytes an edit), "
                "%ld kB after undoing and redoing them all\n",
        loaded, edited, edited - loaded,
        edits > 0 ? 1024.0 * static_cast<double>(edited - loaded) / static_cast<double>(edits)
                  : 0.0,
        walked);
    std::filesystem::current_path("/");
    std::filesystem::remove_all(folder);
    return undone == edits ? 0 : 1;
}
