// The menu entry and the program agree on the program's name, so the desktop puts its windows
// under the entry's icon (StartupWMClass against the class the windows carry).
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "shell/windows/Application.h"

namespace {

QString EntryValue(const QString& key) {
    QFile entry(QStringLiteral(ORIASTRA_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    const QString prefix = key + '=';
    for (QString line; !(line = QString::fromUtf8(entry.readLine())).isEmpty();) {
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
    }
    return {};
}

TEST(DesktopEntry, StartupClassIsTheClassTheProgramGivesItsWindows) {
    const QString program = QFileInfo(QStringLiteral(ORIASTRA_PROGRAM_PATH)).fileName();
    EXPECT_EQ(EntryValue(QStringLiteral("StartupWMClass")), program);
    EXPECT_EQ(EntryValue(QStringLiteral("Exec")), program);

    // Start-up names the application after its executable; X takes the class from that name.
    const QString before = QCoreApplication::applicationName();
    oriastra::SetProgramIdentity(program);
    EXPECT_EQ(QCoreApplication::applicationName(), program);
    oriastra::SetProgramIdentity(before);
}

}  // namespace
