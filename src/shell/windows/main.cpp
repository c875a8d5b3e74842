#include <QApplication>
#include <QFileInfo>
#include <algorithm>

#include "common/windows/QtPlatform.h"
#include "shell/logic/ProgramOptions.h"
#include "shell/windows/Application.h"
#include "shell/windows/SingleCopyLock.h"

int main(int argc, char** argv) {
    // Before the toolkit: it needs a display, and --help must work without one.
    const oriastra::ProgramRequest request =
        oriastra::ReadProgramArguments({argv + std::min(argc, 1), argv + argc});
    if (request.action != oriastra::ProgramAction::Run)
        return oriastra::AnswerProgramRequest(request, stdout, stderr);

    QApplication application(argc, argv);
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    oriastra::SetProgramIdentity(programName);

    oriastra::QtPlatform platform(programName);
    oriastra::SingleCopyLock lock(oriastra::SingleCopyLock::DefaultPath(programName));
    const auto program = oriastra::StartProgram(platform, !lock.Acquire());
    if (!program) return 0;
    return QApplication::exec();
}
