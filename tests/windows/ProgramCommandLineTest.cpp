// The installed programs run as a user runs them from a shell: no display, a folder of their own.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProcessRun {
    int status = -1;
    QString out;
    QString err;
};

// No display at all and the X platform asked for: a program that started the toolkit would
// abort instead of answering.
ProcessRun RunWithoutDisplay(const QString& program, const QStringList& arguments,
                              const QString& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct CommandCase {
    const char* name;
    QString program;
    QStringList arguments;
    int status;
    QString outStart;  // what standard output starts with
    QString errStart;
};

TEST(ProgramCommandLine, AnswersWithoutADisplayAndWritesNothing) {
    const QString desktop = QStringLiteral(ORIASTRA_PROGRAM_PATH);
    const QString render = QStringLiteral(ORIASTRA_RENDER_WINDOWS_PATH);
    const QString usage = QStringLiteral("Usage: ");
    for (const CommandCase& row : {
             CommandCase{"help",
                         desktop,
                         {"--help"},
                         0,
                         "Usage: kestrin-oriastra [OPTION]... [FILE]...\n",
                         ""},
             CommandCase{"version", desktop, {"--version"}, 0, "kestrin-oriastra 1.25\n", ""},
             CommandCase{"unknown option",
                         desktop,
                         {"a.tib", "--bogus"},
                         2,
                         "",
                         "kestrin-oriastra: unknown option '--bogus'\n"},
             CommandCase{"render help",
                         render,
                         {"--help"},
                         0,
                         "Usage: oriastra-render-windows [--language LANG] [FOLDER]\n",
                         ""},
             CommandCase{"render option",
                         render,
                         {"--folder"},
                         2,
                         "",
                         "oriastra-render-windows: unknown option '--folder'\n"},
         }) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const ProcessRun run = RunWithoutDisplay(row.program, row.arguments, folder.path());
        EXPECT_EQ(run.status, row.status) << row.name << ": " << run.err.toStdString();
        EXPECT_EQ(run.out.left(row.outStart.size()), row.outStart) << row.name;
        EXPECT_EQ(run.out.isEmpty(), row.outStart.isEmpty()) << row.name;
        EXPECT_EQ(run.err.left(row.errStart.size()), row.errStart) << row.name;
        EXPECT_EQ(run.err.isEmpty(), row.errStart.isEmpty()) << row.name;
        EXPECT_TRUE(QDir(folder.path()).isEmpty()) << row.name << " wrote into its folder";
    }
}

}  // namespace
