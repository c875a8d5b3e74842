#include <QApplication>
#include <QFileInfo>

#include "common/QtPlatform.h"
#include "shell/Application.h"
#include "shell/SingleCopyLock.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    oriastra::SetProgramIdentity(programName);

    oriastra::QtPlatform platform(programName);
    oriastra::SingleCopyLock lock(oriastra::SingleCopyLock::DefaultPath(programName));
    const auto program = oriastra::StartProgram(platform, !lock.Acquire());
    if (!program) return 0;
    return QApplication::exec();
}
