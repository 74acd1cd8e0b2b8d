#include "app/TextPrompt.h"
#include "tests/controls/WidgetTesting.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The prompt's controls, found in the open dialog.
struct PromptControls {
    explicit PromptControls(QWidget& dialog)
        : window(dialog)
        , label(dialog.findChild<QLabel*>())
        , field(dialog.findChild<QLineEdit*>())
    {
        for (auto* button : dialog.findChildren<QPushButton*>())
            (button->text() == "OK" ? ok : cancel) = button;
    }

    void Type(const QString& text) { QTest::keyClicks(field, text); }
    void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    bool IsOpen() const { return window.isVisible(); }

    QWidget& window;
    QLabel* label;
    QLineEdit* field;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

class TextPromptTest : public testing::Test {
protected:
    TextPromptTest()
    {
        owner.setGeometry(200, 150, 700, 500);
        owner.setWindowTitle("Owner");
        ownerButton.setGeometry(10, 10, 80, 30);
        owner.show();
        owner.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));
    }

    // Runs the prompt while drive works the open dialog.
    int Run(std::function<void(PromptControls&)> drive, const QString& initialText = QString(),
        TextPrompt::Echo echo = TextPrompt::Echo::Plain, const QString& promptText = "Name?")
    {
        WhenModalOpens([drive = std::move(drive)](QWidget& dialog) {
            PromptControls controls(dialog);
            drive(controls);
        });
        return prompt.Run(&owner, "New Profile", promptText, initialText, echo);
    }

    QWidget owner;
    QPushButton ownerButton{"Owner's", &owner};
    TextPrompt prompt;
};

TEST_F(TextPromptTest, OkIsUsableExactlyWhileTheFieldHoldsText)
{
    const int result = Run([](PromptControls& controls) {
        EXPECT_FALSE(controls.ok->isEnabled());
        controls.Type("a");
        EXPECT_TRUE(controls.ok->isEnabled());
        controls.Press(Qt::Key_Backspace);
        EXPECT_FALSE(controls.ok->isEnabled());
        controls.Type(" ");
        EXPECT_TRUE(controls.ok->isEnabled());
        controls.ok->click();
    });
    EXPECT_EQ(result, TextPrompt::Ok);
    EXPECT_EQ(prompt.ResultText(), " ");
}

TEST_F(TextPromptTest, EnterWithAnEmptyFieldDoesNotConfirm)
{
    const int result = Run([](PromptControls& controls) {
        controls.Press(Qt::Key_Return);
        EXPECT_TRUE(controls.IsOpen());
        controls.Type("Server");
        controls.Press(Qt::Key_Return);
    });
    EXPECT_EQ(result, TextPrompt::Ok);
    EXPECT_EQ(prompt.ResultText(), "Server");
}

struct EndingCase {
    const char* name;
    std::function<void(PromptControls&)> end;
    int result;
};

class TextPromptEndingTest : public TextPromptTest,
                             public testing::WithParamInterface<EndingCase> { };

TEST_P(TextPromptEndingTest, ResultTextHoldsWhatWasTypedHoweverThePromptEnds)
{
    const int result = Run([](PromptControls& controls) {
        controls.Type("Typed");
        GetParam().end(controls);
    });
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(prompt.ResultText(), "Typed");
}

INSTANTIATE_TEST_SUITE_P(Endings, TextPromptEndingTest,
    testing::Values(
        EndingCase{"Enter", [](PromptControls& c) { c.Press(Qt::Key_Return); }, TextPrompt::Ok},
        EndingCase{
            "Escape", [](PromptControls& c) { c.Press(Qt::Key_Escape); }, TextPrompt::Cancel},
        EndingCase{"CloseBox", [](PromptControls& c) { c.window.close(); }, TextPrompt::Cancel},
        EndingCase{"EnterOnCancel",
            [](PromptControls& c) {
                c.cancel->setFocus();
                c.Press(Qt::Key_Return);
            },
            TextPrompt::Cancel}),
    [](const testing::TestParamInfo<EndingCase>& testCase) { return testCase.param.name; });

}  // namespace
