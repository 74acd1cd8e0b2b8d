#include "editor/ProfileListBox.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"
#include "tests/controls/WidgetTesting.h"

#include <QListWidget>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class ProfileListBoxTest : public testing::Test {
protected:
    ProfileListBoxTest() { controls.Add(ControlId::ProfileList, *list); }

    QStringList Texts() const
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }

    QWidget window;
    QListWidget* list = new QListWidget(&window);
    WindowControls controls;
};

TEST_F(ProfileListBoxTest, FillPutsDefaultFirstAndSelectsNothing)
{
    ProfileListBox box(controls);
    box.Fill({"Alpha", "CustomCombat"});
    EXPECT_EQ(Texts(), QStringList({"Default", "Alpha", "CustomCombat"}));
    EXPECT_TRUE(list->selectedItems().isEmpty());

    box.Fill({});
    EXPECT_EQ(Texts(), QStringList({"Default"}));
    box.Append("Zulu");
    EXPECT_EQ(Texts(), QStringList({"Default", "Zulu"}));
    EXPECT_EQ(box.Count(), 2);
}

TEST_F(ProfileListBoxTest, FindStartingWithLooksAtDefaultLast)
{
    struct Case {
        const char* name;
        std::vector<std::string> names;
        std::string prefix;
        int expected;
    };
    const std::vector<Case> cases = {
        {"first match in list order", {"Alpha", "customcombat_a", "CustomCombat"}, "CustomCombat",
            2},
        {"exact name", {"CustomCombat"}, "CustomCombat", 1},
        {"letter case ignored", {"CUSTOMCOMBATX"}, "CustomCombat", 1},
        {"a file before Default", {"Defaults"}, "Default", 1},
        {"Default when no file matches", {"Alpha"}, "Default", 0},
        {"none", {"Alpha", "Combat"}, "CustomCombat", -1},
        {"empty prefix matches entry 1", {"Alpha"}, "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileListBox box(controls);
        box.Fill(c.names);
        EXPECT_EQ(box.FindStartingWith(c.prefix), c.expected);
    }
}

TEST_F(ProfileListBoxTest, EntriesKeepTheirFileNamesByteForByte)
{
    ProfileListBox box(controls);
    const std::string notUtf8 = "Caf\xe9";
    box.Fill({notUtf8, "Caf"});
    EXPECT_EQ(box.NameAt(1), notUtf8);
    EXPECT_EQ(box.Find(notUtf8), 1);
    EXPECT_EQ(box.Find("Caf"), 2);
    EXPECT_EQ(box.Find("Default"), 0);
    EXPECT_EQ(box.Find("caf"), -1);  // exact names only
}

TEST_F(ProfileListBoxTest, ProgramMadeChangesSendNoSelectionSignal)
{
    ProfileListBox box(controls);
    QSignalSpy changed(list, &QListWidget::itemSelectionChanged);
    box.Fill({"Alpha", "Bravo"});
    box.Select(2);
    EXPECT_EQ(list->selectedItems().value(0), list->item(2));
    box.Append("Charlie");
    box.Select(-1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    box.Select(1);
    box.Fill({"Alpha"});
    EXPECT_EQ(changed.count(), 0);
}

}  // namespace
