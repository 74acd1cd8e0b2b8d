#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ChildResult {
    int exitCode = -1;  // -1 when the child crashed or did not end in time
    QByteArray out;
    QByteArray err;
};

// Runs the program to its end in the folder (this process's own when empty).
ChildResult RunChild(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QString& folder = {});

// This process's environment without any way to reach a display, as on a
// server reached over SSH.
QProcessEnvironment EnvironmentWithoutDisplay();
