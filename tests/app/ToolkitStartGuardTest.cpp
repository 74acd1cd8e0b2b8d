// A start that works: what the toolkit and the libraries below it report
// while it starts reaches the error stream once the guard ends, and the
// error stream is the program's own again. A start that fails is the
// program's test (DisplayEnvironmentTest).

#include "app/ToolkitStartGuard.h"

#include <unistd.h>

#include <QTemporaryFile>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace {

// The error stream goes to a file while it lives.
class ErrorStreamFile {
public:
    ErrorStreamFile()
    {
        EXPECT_TRUE(file_.open());
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~ErrorStreamFile()
    {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    ErrorStreamFile(const ErrorStreamFile&) = delete;
    ErrorStreamFile& operator=(const ErrorStreamFile&) = delete;

    QByteArray Text()
    {
        file_.seek(0);
        return file_.readAll();
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
};

TEST(ToolkitStartGuardTest, WhatWasReportedMeanwhileFollowsWhenTheStartWorked)
{
    ErrorStreamFile errorStream;
    ToolkitStartGuard guard("quavel", DisplayEnvironment{"offscreen", "", "", ""});
    ASSERT_EQ(::write(STDERR_FILENO, "written by a library\n", 21), 21);
    qWarning("reported by the toolkit");
    EXPECT_EQ(errorStream.Text(), "");
    guard.End();
    qWarning("reported afterwards");
    EXPECT_EQ(
        errorStream.Text(), "written by a library\nreported by the toolkit\nreported afterwards\n");
}

}  // namespace
