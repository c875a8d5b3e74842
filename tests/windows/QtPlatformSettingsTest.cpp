#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FifoGuard.h"
#include "common/logic/SettingsFile.h"
#include "common/windows/QtPlatform.h"

namespace oriastra {
namespace {

namespace fs = std::filesystem;

// The desktop's settings file, in a configuration folder of the test's own.
class QtPlatformSettings : public testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        QDir(config_.path()).mkpath(QStringLiteral("oriastra-settings-test"));
    }
    void TearDown() override {
        if (savedConfig_.isNull()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", savedConfig_);
        }
        QStandardPaths::setTestModeEnabled(true);
    }
    fs::path File() const {
        return (config_.path() + "/oriastra-settings-test/oriastra-settings-test.conf")
            .toStdString();
    }

    QTemporaryDir config_;
    QByteArray savedConfig_;
};

TEST_F(QtPlatformSettings, ReadsAndWritesTheSettingsFileAsEarlierVersionsWroteIt) {
    std::ofstream(File()) << "[Settings]\nDuration=\"12/9/26 \"\n";
    QtPlatform desktop(QStringLiteral("oriastra-settings-test"));
    EXPECT_EQ(desktop.Setting("Settings", "Duration"), "12/9/26 ");
    desktop.SetSetting("Settings", "Duration", QString::fromUtf8("\xE2\x80\xA0"));
    EXPECT_EQ(QtPlatform(QStringLiteral("oriastra-settings-test")).Setting("Settings", "Duration"),
              QString::fromUtf8("\xE2\x80\xA0"));
}

// A FIFO in place of the settings file once kept the program from ever showing a window, and
// a link to a device had it replaced by a settings file.
TEST_F(QtPlatformSettings, AFifoOrAHugeFileHoldsNoSettingsAndIsLeftAlone) {
    const fs::path fifo = File();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    QtPlatform desktop(QStringLiteral("oriastra-settings-test"));
    QString value = QStringLiteral("unread");
    EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] { value = desktop.Setting("Settings", "Duration"); }));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] {
        desktop.SetSetting("Settings", "Duration", "12/9/26");
    }));
    EXPECT_EQ(desktop.Setting("Settings", "Duration"), "12/9/26") << "kept for this run";
    EXPECT_TRUE(fs::is_fifo(fifo));

    fs::remove(fifo);
    std::ofstream(File()) << "[Settings]\nDuration=12/9/26\n"
                          << std::string(SettingsFile::kMostBytes, ' ');
    EXPECT_EQ(QtPlatform(QStringLiteral("oriastra-settings-test")).Setting("Settings", "Duration"),
              "");
}

}  // namespace
}  // namespace oriastra
