// What the desktop shows of the program's own windows: titles as the X server holds them,
// message boxes. The title checks need a real X server (the test command runs them once under
// a virtual one); elsewhere they skip.
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>

#include "WindowTest.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/windows/QtPlatform.h"
#include "common/windows/frmAbout.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/HandOverServer.h"
#include "shell/windows/RecordOpener.h"
#include "shell/windows/SingleCopyLock.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

// The title the window manager shows for a top-level window, or nothing without X.
std::optional<QString> NativeTitle(QWidget& window) {
    if (QGuiApplication::platformName() != "xcb") return std::nullopt;
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window.winId()), "_NET_WM_NAME"});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0) return std::nullopt;
    // _NET_WM_NAME(UTF8_STRING) = "Kestrin Oriastra v1.25"
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype first = line.indexOf('"');
    if (first < 0 || !line.endsWith('"')) return std::nullopt;
    return line.mid(first + 1, line.size() - first - 2);
}

class NativeWindow : public WindowTest {};

TEST_F(NativeWindow, TitlesAreExactlyTheCaptions) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
    Start();
    Main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Main()));
    EXPECT_EQ(NativeTitle(Main()), "Kestrin Oriastra v1.25");

    frmAbout about(platform, ProseNamingTraditions().about, &Main());
    // Shown without its modality, so the fixture's watch for stray modal windows leaves it be.
    about.setModal(false);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(NativeTitle(about), "Kestrin Oriastra v1.25");
    about.close();

    QtPlatform desktop(QStringLiteral("oriastra-title-test"));
    std::optional<QString> dialogTitle;
    ExpectModal([&](QWidget* dialog) {
        if (QTest::qWaitForWindowExposed(dialog)) dialogTitle = NativeTitle(*dialog);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    desktop.FileDialog({FileDialogRequest::Kind::Open, "Select the source file",
                        "Tibetan Astrology (*.tib)|*.tib", "tib"});
    EXPECT_EQ(dialogTitle, "Select the source file");
}

// The desktop entry's StartupWMClass names the program; the class X holds must be that name, the
// one start-up gives the application (here the test program's own).
TEST_F(NativeWindow, ClassIsTheProgramName) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
    Start();
    Main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Main()));
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(Main().winId()), "WM_CLASS"});
    ASSERT_TRUE(xprop.waitForFinished(10000));
    // WM_CLASS(STRING) = "instance", "class"
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    EXPECT_TRUE(line.endsWith(", \"" + QCoreApplication::applicationName() + "\""))
        << line.toStdString();
}

TEST_F(NativeWindow, MessageBoxesAreWideEnoughForTheirTitleAndCarryTheIcon) {
    Start();
    QtPlatform desktop(QStringLiteral("oriastra-message-test"));
    int width = 0;
    int titleWidth = 0;
    bool hasIcon = false;
    ExpectModal([&](QWidget* box) {
        width = box->width();
        titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
        hasIcon = !box->windowIcon().isNull();
        qobject_cast<QDialog*>(box)->accept();
    });
    desktop.MessageBox("Please Check The File.", MessageButtons::Ok, MessageIcon::Error);
    EXPECT_GE(width, titleWidth + 120) << "room for the title beside the frame's buttons";
    EXPECT_TRUE(hasIcon);
}

// The desktop's own close keys differ (X desktops give Ctrl+W only); Ctrl+F4 closes the active
// child window on every one of them.
TEST_F(NativeWindow, ControlF4ClosesTheActiveChildWindow) {
    Start();
    Main().show();
    QApplication::setActiveWindow(&Main());
    if (!QTest::qWaitForWindowActive(&Main())) GTEST_SKIP() << "the main window is not active";
    Main().cmdSelectOption_Click(kTibetanTradition.selector.index);
    Settle();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_TRUE(Window(InputOf(kTibetanTradition))->isAncestorOf(focused));
    QTest::keyClick(focused, Qt::Key_F4, Qt::ControlModifier);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
}

// The real program, started a second time with a record named from its own folder, hands it to
// the running copy (this test, holding the lock beside its socket) and ends without a word.
TEST_F(NativeWindow, ASecondCopyHandsItsRecordToTheRunningOne) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
    Start();
    QTemporaryDir runtime;  // this user's alone, as the desktop's runtime folder is
    ASSERT_TRUE(runtime.isValid());
    SingleCopyLock lock(QDir(runtime.path()).filePath(QStringLiteral("kestrin-oriastra.lock")));
    ASSERT_TRUE(lock.Acquire());
    ASSERT_TRUE(lock.Held());
    RecordOpener opener;
    opener.Serve(Main());
    HandOverServer server;
    QObject::connect(&server, &HandOverServer::FilesReceived, &opener, &RecordOpener::Open);
    ASSERT_TRUE(server.Listen(lock.HandOverSocket()));
    WriteRecord(QStringLiteral("john.bur"), {"JOHN", "5", "January", "1990", "True"});

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(folder.path());
    second.start(QStringLiteral(ORIASTRA_PROGRAM_PATH), {QStringLiteral("john.bur")});
    // This copy's event loop runs meanwhile: it is the one that answers.
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 60000))
        << "the second copy did not end";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput(), QByteArray());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            ChildWindow* reading = Window(ReadingOf(kBurmeseTradition));
            return reading != nullptr && reading->isVisible();
        },
        10000));
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join('|').toStdString();
}

}  // namespace
}  // namespace oriastra
