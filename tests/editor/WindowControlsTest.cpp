#include "editor/WindowControls.h"

#include "tests/controls/WidgetTesting.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class WindowControlsTest : public testing::Test {
protected:
    WindowControlsTest()
    {
        controls.Add(1003, *teamList);
        controls.Add(1063, *classBox);
    }

    QWidget window;
    QComboBox* teamList = new QComboBox(&window);
    QCheckBox* classBox = new QCheckBox(&window);
    WindowControls controls;
};

TEST_F(WindowControlsTest, FindsARegisteredControlByIdentifier)
{
    EXPECT_EQ(controls.Find(1003), teamList);
    EXPECT_EQ(controls.Find(1063), classBox);
    EXPECT_EQ(&controls.Get<QComboBox>(1003), teamList);
    EXPECT_EQ(&controls.Get<QAbstractButton>(1063), classBox);
}

TEST_F(WindowControlsTest, FindYieldsNullForAnUnknownIdentifier)
{
    EXPECT_EQ(controls.Find(4242), nullptr);
}

TEST_F(WindowControlsTest, GetThrowsForAnUnknownIdentifierOrAnotherClass)
{
    EXPECT_THROW(controls.Get<QComboBox>(4242), std::logic_error);
    EXPECT_THROW(controls.Get<QComboBox>(1063), std::logic_error);
}

TEST_F(WindowControlsTest, AddingAnIdentifierAgainReplacesTheControl)
{
    auto* other = new QComboBox(&window);
    controls.Add(1003, *other);
    EXPECT_EQ(controls.Find(1003), other);
}

}  // namespace
