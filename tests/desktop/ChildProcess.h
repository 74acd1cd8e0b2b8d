#pragma once

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

// Runs the program to its end in the folder (this process's own when empty),
// within a time below the test's own, so that a stuck child fails one check.
inline ChildResult RunChild(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QString& folder = {})
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(folder);
    child.start(program, arguments);
    if (!child.waitForFinished(50000)) {
        child.kill();
        child.waitForFinished();
        return {-1, child.readAllStandardOutput(), child.readAllStandardError()};
    }
    const int exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return {exitCode, child.readAllStandardOutput(), child.readAllStandardError()};
}

// This process's environment without any way to reach a display, as on a
// server reached over SSH.
inline QProcessEnvironment EnvironmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}
