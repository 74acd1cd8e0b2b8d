// The build configured as a user or a packager configures it, and as the
// project's scripts do: a plain configure needs neither GoogleTest nor Google
// Benchmark, builds neither the tests nor the benchmarks, and leaves warnings
// warnings, whatever flags the environment holds.
#include "RunChild.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Configuration {
    const char* name;
    QStringList options;
    bool warningsAreErrors;
    bool testsAndBenchmarks;
};

void PrintTo(const Configuration& configuration, std::ostream* out)
{
    *out << configuration.name;
}

class ConfigureTest : public ::testing::TestWithParam<Configuration> { };

TEST_P(ConfigureTest, BuildsWhatItIsAskedFor)
{
    const Configuration& configuration = GetParam();
    const QTemporaryDir build;
    ASSERT_TRUE(build.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A Debian build's flags hold -Werror=format-security, which is no
    // concern here.
    for (const char* flags : {"CXXFLAGS", "LDFLAGS"})
        environment.remove(flags);

    const ChildResult configured = RunChild(QStringLiteral(QUAVEL_CMAKE),
        QStringList{
            "-S", QUAVEL_SOURCE_DIR, "-B", build.path(), "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"}
            + configuration.options,
        environment);

    ASSERT_EQ(configured.exitCode, 0) << configured.err.toStdString();
    QFile commands(build.filePath("compile_commands.json"));
    ASSERT_TRUE(commands.open(QIODevice::ReadOnly));
    const QString compiled = QString::fromUtf8(commands.readAll());
    EXPECT_EQ(
        compiled.contains(QRegularExpression(R"(\s-Werror\s)")), configuration.warningsAreErrors);
    for (const char* folder : {"/tests/", "/bench/"}) {
        EXPECT_EQ(compiled.contains(QUAVEL_SOURCE_DIR + QString(folder)),
            configuration.testsAndBenchmarks)
            << folder;
    }
    EXPECT_TRUE(compiled.contains(QUAVEL_SOURCE_DIR "/cli/main.cpp"));
}

INSTANTIATE_TEST_SUITE_P(Configurations, ConfigureTest,
    ::testing::Values(
        // As the README's install recipe runs on a machine with only what
        // scripts/install-deps installs without "test".
        Configuration{"PlainWithoutTestLibraries",
            {"-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON", "-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON"},
            false, false},
        Configuration{"AsTheScriptsAsk",
            {"-DQUAVEL_BUILD_TESTS=ON", "-DQUAVEL_BUILD_BENCHMARKS=ON",
                "-DQUAVEL_WARNINGS_AS_ERRORS=ON"},
            true, true}),
    ::testing::PrintToStringParamName());

}  // namespace
