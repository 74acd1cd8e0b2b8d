#include "ChildProcess.h"

#include <QProcess>

namespace {

// Below the test's own time limit, so that a stuck child fails one check
// instead of the whole test.
constexpr int kChildTimeLimitMilliseconds = 50000;

}  // namespace

ChildResult RunChild(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment, const QString& folder)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(folder);
    child.start(program, arguments);
    if (!child.waitForFinished(kChildTimeLimitMilliseconds)) {
        child.kill();
        child.waitForFinished();
        return {-1, child.readAllStandardOutput(), child.readAllStandardError()};
    }
    const int exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return {exitCode, child.readAllStandardOutput(), child.readAllStandardError()};
}

QProcessEnvironment EnvironmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}
