#include "shell/windows/Application.h"

#include <QApplication>
#include <QIcon>
#include <QtCore/qglobal.h>

#include "common/windows/Platform.h"
#include "common/windows/SvgPicture.h"
#include "registry/logic/TraditionRegistry.h"
#include "registry/windows/TraditionWindows.h"
#include "shell/windows/UpdateReminder.h"
#include "shell/windows/frmMDI.h"

// The pictures are compiled into a static library, so their registration must be asked for.
// The program icon is set once, before the first message box, for every window of the run.
static void InitLook() {
    static const bool done = [] {
        Q_INIT_RESOURCE(pictures);
        QApplication::setWindowIcon(QIcon(oriastra::SvgPixmap(
            QStringLiteral(":/app/kestrin-oriastra.svg"), 64, qApp->devicePixelRatio())));
        return true;
    }();
    (void)done;
}

namespace oriastra {

Application::Application(Platform& platform)
    : mainWindow_((InitLook(), std::make_unique<frmMDI>(platform))),
      context_(std::make_unique<AppContext>(AppContext{
          .birthDetails = state_.birthDetails,
          .platform = platform,
          .windows = mainWindow_->Windows(),
          .welcome = *mainWindow_,
          .states = state_.traditions,
          .aboutText = ProseNamingTraditions().about})) {
    RegisterTraditionWindows(*context_);
}

Application::~Application() = default;

void SetProgramIdentity(const QString& programName) {
    QApplication::setApplicationName(programName);
    // No display name: the toolkit would append it to every window title the X server shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.kestrin.Oriastra"));
}

std::unique_ptr<Application> StartProgram(Platform& platform, bool anotherCopyRunning) {
    InitLook();
    if (anotherCopyRunning) {
        platform.MessageBox(
            QCoreApplication::translate("Application", "Application is already running"),
            MessageButtons::Ok, MessageIcon::Information);
        return nullptr;
    }
    ShowUpdateReminder(platform);
    auto application = std::make_unique<Application>(platform);
    frmMDI& mainWindow = application->MainWindow();
    // Loaded before it is shown: its strips have fixed heights and its labels are placed by the
    // screen's width, and a label that has its place when shown is not first fitted to what its
    // text would like, which took most of the start-up.
    mainWindow.Form_Load();
    mainWindow.showMaximized();
    return application;
}

}  // namespace oriastra
