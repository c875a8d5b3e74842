// The window tests' frame, with the windows speaking Indonesian for the whole run.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "common/windows/Translations.h"
#include "shell/windows/Application.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    oriastra::SetProgramIdentity(QStringLiteral("oriastra-translation-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("id")));
    if (!oriastra::LoadTranslations()) {
        std::fputs("the Indonesian translation is missing from the program\n", stderr);
        return 1;
    }
    return RUN_ALL_TESTS();
}
