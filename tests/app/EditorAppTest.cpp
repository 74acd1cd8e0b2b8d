#include "app/EditorApp.h"

#include <QPalette>
#include <QProcess>
#include <QStyle>

#include <gtest/gtest.h>

#include <vector>

namespace {

bool SwitchIn(std::vector<const char*> arguments)
{
    return EditorApp::HasWorkingFolderSwitch(static_cast<int>(arguments.size()), arguments.data());
}

TEST(EditorAppTest, WorkingFolderSwitchIsFoundAnywhereInTheCommandLine)
{
    struct Case {
        const char* name;
        std::vector<const char*> arguments;
        bool expected;
    };
    const Case cases[] = {
        {"own argument", {"/opt/quavel/quavel", "+bvrm"}, true},
        {"inside a longer argument", {"quavel", "x+bvrmy"}, true},
        {"in the program path", {"/home/a+bvrm/quavel"}, true},
        {"after other arguments", {"quavel", "-a", "+bvrm"}, true},
        {"upper case does not count", {"quavel", "+BVRM"}, false},
        {"split by the joining space", {"quavel", "+bv", "rm"}, false},
        {"no switch", {"quavel", "-bvrm", "bvrm"}, false},
        {"no arguments at all", {}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SwitchIn(c.arguments), c.expected) << c.name;
}

TEST(EditorAppTest, StartsFusionWithItsLightPaletteAndReadsTheSwitch)
{
    int argc = 2;
    char program[] = "quavel";
    char option[] = "+bvrm";
    char* argv[] = {program, option, nullptr};
    const EditorApp app(argc, argv);
    EXPECT_TRUE(app.workingFolderOnly());
    EXPECT_EQ(QApplication::style()->name(), "fusion");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
        QApplication::style()->standardPalette().color(QPalette::Window));
}

TEST(EditorAppTest, WithoutADisplayTheProgramSaysSoInOneLineAndFails)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QUAVEL_EXECUTABLE, {});
    ASSERT_TRUE(program.waitForFinished(30000));

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
    const QByteArray error = program.readAllStandardError();
    EXPECT_EQ(error,
        "quavel: no display to open the window on "
        "(WAYLAND_DISPLAY is not set; DISPLAY is not set)\n");
}

}  // namespace
