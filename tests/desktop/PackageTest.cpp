#include "ChildProcess.h"
#include "InstalledFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The package names in a Depends field, without their version limits.
QStringList PackageNames(const QString& depends)
{
    QStringList names;
    for (const QString& dependency : depends.split(',', Qt::SkipEmptyParts))
        names.append(dependency.trimmed().section(' ', 0, 0));
    return names;
}

TEST(PackageTest, DebianPackageHoldsTheInstallAndNamesItsLibraries)
{
    for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed (package dpkg-dev)";
    }
    // Packs an install of the build with the project's package settings. A plain
    // cpack run would first bring the whole build up to date, which takes long
    // and, on an incomplete build, compiles everything.
    const QTemporaryDir output;
    const QString root = output.filePath(QStringLiteral("root"));
    const ChildResult installed = RunChild(QStringLiteral(QUAVEL_CMAKE),
        {"--install", QUAVEL_BUILD_DIR, "--strip", "--prefix", root + "/usr"});
    ASSERT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    const ChildResult packed = RunChild(QStringLiteral(QUAVEL_CPACK),
        {"--config", QUAVEL_BUILD_DIR "/CPackConfig.cmake", "-G", "DEB", "-B", output.path(), "-D",
            "CPACK_INSTALL_CMAKE_PROJECTS=", "-D", "CPACK_INSTALLED_DIRECTORIES=" + root + ";."});
    ASSERT_EQ(packed.exitCode, 0) << packed.out.toStdString() << packed.err.toStdString();
    const QStringList packages = QDir(output.path()).entryList({"*.deb"}, QDir::Files);
    ASSERT_EQ(packages.size(), 1);
    const QString package = output.filePath(packages.front());

    const ChildResult fields = RunChild(
        QStringLiteral("dpkg-deb"), {"--field", package, "Package", "Version", "Section"});
    EXPECT_EQ(fields.out, "Package: quavel\nVersion: " QUAVEL_VERSION "\nSection: utils\n");
    const QStringList depends = PackageNames(QString::fromUtf8(
        RunChild(QStringLiteral("dpkg-deb"), {"--field", package, "Depends"}).out));
    for (const char* library : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libpugixml1v5",
             "qt6-qpa-plugins", "libc6", "libstdc++6"})
        EXPECT_TRUE(depends.contains(library))
            << library << " in " << depends.join(", ").toStdString();

    // Debian's tools show the extended description as it is, so it must come wrapped.
    const QByteArray description
        = RunChild(QStringLiteral("dpkg-deb"), {"--field", package, "Description"}).out;
    EXPECT_GT(description.count('\n'), 2);
    for (const QByteArray& line : description.split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();

    const QString contents
        = QString::fromUtf8(RunChild(QStringLiteral("dpkg-deb"), {"--contents", package}).out);
    for (const QString& file : InstalledFiles("share/zsh/vendor-completions")) {
        const QString mode = file.startsWith("bin/") ? "-rwxr-xr-x" : "-rw-r--r--";
        const QRegularExpression line(
            '^' + mode + " root/root .* \\./usr/" + QRegularExpression::escape(file) + '$',
            QRegularExpression::MultilineOption);
        EXPECT_TRUE(line.match(contents).hasMatch()) << file.toStdString();
    }
}

}  // namespace
