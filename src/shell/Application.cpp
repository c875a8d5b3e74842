#include "shell/Application.h"

#include <QApplication>
#include <QIcon>
#include <QtCore/qglobal.h>

#include "common/Platform.h"
#include "african/AfricanWindows.h"
#include "arabic/ArabicWindows.h"
#include "burmese/BurmeseWindows.h"
#include "common/SvgPicture.h"
#include "indonesian/IndonesianWindows.h"
#include "tibetan/TibetanWindows.h"
#include "shell/UpdateReminder.h"
#include "shell/frmMDI.h"

// The pictures are compiled into a static library, so their registration must be asked for.
// The program icon is drawn once, for every window of the run.
static void InitPictures() {
    Q_INIT_RESOURCE(pictures);
    QApplication::setWindowIcon(QIcon(oriastra::SvgPixmap(
        QStringLiteral(":/app/kestrin-oriastra.svg"), 64, qApp->devicePixelRatio())));
}

namespace oriastra {

Application::Application(Platform& platform)
    : mainWindow_((InitPictures(), std::make_unique<frmMDI>(platform))),
      context_(std::make_unique<AppContext>(
          AppContext{state_.birthDetails, platform, mainWindow_->Windows(), *mainWindow_})) {
    // One line per tradition: each folder knows how to create its own windows.
    RegisterAfricanWindows(*context_);
    RegisterArabicWindows(*context_);
    RegisterBurmeseWindows(*context_, state_.burmese);
    RegisterIndonesianWindows(*context_);
    RegisterTibetanWindows(*context_, state_.tibetan);
}

Application::~Application() = default;

std::unique_ptr<Application> StartProgram(Platform& platform, bool anotherCopyRunning) {
    if (anotherCopyRunning) {
        platform.MessageBox(QStringLiteral("Application is already running"), MessageButtons::Ok,
                            MessageIcon::Information);
        return nullptr;
    }
    ShowUpdateReminder(platform);
    auto application = std::make_unique<Application>(platform);
    frmMDI& mainWindow = application->MainWindow();
    mainWindow.showMaximized();
    mainWindow.Form_Load();
    return application;
}

}  // namespace oriastra
