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

TEST_F(TextPromptTest, WindowHasTheFixedLayout)
{
    const int result = Run([](PromptControls& controls) {
        QWidget& window = controls.window;
        EXPECT_EQ(window.windowTitle(), "New Profile");
        EXPECT_EQ(window.size(), QSize(348, 100));
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(controls.label->geometry(), QRect(6, 6, 334, 29));
        EXPECT_EQ(controls.field->geometry(), QRect(6, 36, 329, 21));
        EXPECT_EQ(controls.ok->geometry(), QRect(188, 62, 70, 23));
        EXPECT_EQ(controls.cancel->geometry(), QRect(265, 62, 70, 23));
        EXPECT_EQ(controls.label->text(), "Name?");
        EXPECT_TRUE(controls.ok->isDefault());
        EXPECT_EQ(controls.field->echoMode(), QLineEdit::Normal);
        controls.cancel->click();
    });
    EXPECT_EQ(result, TextPrompt::Cancel);
}

TEST_F(TextPromptTest, OpensCentredOverItsOwner)
{
    Run([this](PromptControls& controls) {
        const QPoint offset = controls.window.geometry().center() - owner.geometry().center();
        EXPECT_LE(offset.manhattanLength(), 30);
        controls.cancel->click();
    });
}

TEST_F(TextPromptTest, PromptShowsAmpersandAndMarkupAsTyped)
{
    Run(
        [](PromptControls& controls) {
            EXPECT_EQ(controls.label->text(), "Save & <b>load</b>");
            EXPECT_EQ(controls.label->textFormat(), Qt::PlainText);
            EXPECT_EQ(controls.label->buddy(), nullptr);
            controls.cancel->click();
        },
        QString(), TextPrompt::Echo::Plain, "Save & <b>load</b>");
}

TEST_F(TextPromptTest, FocusStartsInTheFieldAndTabGoesOkCancelField)
{
    Run([](PromptControls& controls) {
        qDebug() << QApplication::focusWidget() << QApplication::activeWindow() << &controls.window
                 << controls.window.isActiveWindow() << controls.field->hasFocus()
                 << controls.window.focusWidget() << QGuiApplication::focusWindow()
                 << controls.window.windowHandle();
        controls.Type("x");
        EXPECT_EQ(QApplication::focusWidget(), controls.field);
        controls.Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controls.ok);
        controls.Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controls.cancel);
        controls.Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controls.field);
        controls.cancel->click();
    });
}

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

TEST_F(TextPromptTest, InitialTextIsEditableAndEnablesOk)
{
    const int result = Run(
        [](PromptControls& controls) {
            EXPECT_EQ(controls.field->text(), "Custom");
            EXPECT_TRUE(controls.ok->isEnabled());
            controls.field->end(false);
            controls.Type("Combat2");
            controls.Press(Qt::Key_Enter);
        },
        "Custom");
    EXPECT_EQ(result, TextPrompt::Ok);
    EXPECT_EQ(prompt.ResultText(), "CustomCombat2");
}

TEST_F(TextPromptTest, MaskedFieldHidesWhatIsTyped)
{
    const int result = Run(
        [](PromptControls& controls) {
            EXPECT_EQ(controls.field->echoMode(), QLineEdit::Password);
            controls.Type("secret");
            controls.ok->click();
        },
        QString(), TextPrompt::Echo::Masked);
    EXPECT_EQ(result, TextPrompt::Ok);
    EXPECT_EQ(prompt.ResultText(), "secret");
}

TEST_F(TextPromptTest, OwnerIgnoresInputWhileThePromptIsOpen)
{
    QSignalSpy ownerClicks(&ownerButton, &QPushButton::clicked);
    Run([this](PromptControls& controls) {
        const QPoint onButton = ownerButton.mapTo(&owner, ownerButton.rect().center());
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, onButton);
        EXPECT_TRUE(controls.IsOpen());
        controls.cancel->click();
    });
    EXPECT_EQ(ownerClicks.count(), 0);
    QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {},
        ownerButton.mapTo(&owner, ownerButton.rect().center()));
    EXPECT_EQ(ownerClicks.count(), 1);  // and takes it again once the prompt is gone
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
        EndingCase{"OkClicked", [](PromptControls& c) { c.ok->click(); }, TextPrompt::Ok},
        EndingCase{"Enter", [](PromptControls& c) { c.Press(Qt::Key_Return); }, TextPrompt::Ok},
        EndingCase{
            "CancelClicked", [](PromptControls& c) { c.cancel->click(); }, TextPrompt::Cancel},
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
