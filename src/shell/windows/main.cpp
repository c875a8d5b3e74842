#include <QApplication>
#include <QFileInfo>
#include <algorithm>

#include "common/windows/QtPlatform.h"
#include "common/windows/Translations.h"
#include "shell/logic/ProgramOptions.h"
#include "shell/windows/Application.h"
#include "shell/windows/HandOverServer.h"
#include "shell/windows/RecordOpener.h"
#include "shell/windows/SingleCopyLock.h"

int main(int argc, char** argv) {
    // Before the toolkit: it needs a display, and --help must work without one.
    const oriastra::ProgramRequest request =
        oriastra::ReadProgramArguments({argv + std::min(argc, 1), argv + argc});
    if (request.action != oriastra::ProgramAction::Run)
        return oriastra::AnswerProgramRequest(request, stdout, stderr);

    QApplication application(argc, argv);
    oriastra::LoadTranslations();
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    oriastra::SetProgramIdentity(programName);

    oriastra::QtPlatform platform(programName);
    oriastra::SingleCopyLock lock(oriastra::SingleCopyLock::DefaultPath(programName));
    const bool anotherCopyRunning = !lock.Acquire();
    const QStringList files = oriastra::AbsolutePaths(request.files);
    if (anotherCopyRunning && oriastra::HandOverFiles(lock.HandOverSocket(), files)) return 0;

    // Files can arrive from later copies while the update reminder waits for the user.
    oriastra::RecordOpener opener;
    oriastra::HandOverServer server;
    if (lock.Held()) {
        QObject::connect(&server, &oriastra::HandOverServer::FilesReceived, &opener,
                         &oriastra::RecordOpener::Open);
        server.Listen(lock.HandOverSocket());
    }
    const auto program = oriastra::StartProgram(platform, anotherCopyRunning);
    if (!program) return 0;
    opener.Serve(program->MainWindow());
    opener.Open(files);
    return QApplication::exec();
}
