#pragma once

// Runs a real program to its end, as the desktop tests run the installed
// programs, the shells, the validators and the build tools.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ChildResult {
    int exitCode = -1;  // -1 when the child crashed or did not end in time
    QByteArray out;
    QByteArray err;
};

// Runs the program in the folder (this process's own when empty), within a
// time below the test's own, so that a stuck child fails one check; a child
// still running then is killed as the QProcess goes.
inline ChildResult RunChild(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QString& folder = {})
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(folder);
    child.start(program, arguments);
    const bool ended = child.waitForFinished(50000) && child.exitStatus() == QProcess::NormalExit;
    return {
        ended ? child.exitCode() : -1, child.readAllStandardOutput(), child.readAllStandardError()};
}
