// Renders the main window and every window built so far to PNG files, offscreen, so their look
// can be judged without a display: oriastra-render-windows [folder]
#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QTimer>
#include <cstdio>
#include <string_view>

#include "ScriptedPlatform.h"
#include "common/ChildWindow.h"
#include "common/WindowRegistry.h"
#include "shell/Application.h"
#include "common/frmAbout.h"
#include "shell/frmMDI.h"
#include "WindowShots.h"

using namespace oriastra;

namespace {

void Save(QWidget& widget, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

constexpr const char* kUsage =
    "Usage: oriastra-render-windows [FOLDER]\n"
    "Renders the main window and every window to FOLDER/*.png (default: screenshots),\n"
    "offscreen, and prints each picture's path.\n";

}  // namespace

int main(int argc, char** argv) {
    // Asked for before anything is written: "--help" is no folder to fill with pictures.
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 3;
    }
    if (argc > 2 || first.starts_with('-')) {
        std::fprintf(stderr, "oriastra-render-windows: %s '%s'\n%s",
                     argc > 2 ? "unexpected argument" : "unknown option", argv[argc > 2 ? 2 : 1],
                     kUsage);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(folder.path());

    ScriptedPlatform platform;
    platform.screenWidth = 1280;
    platform.settings.insert(QStringLiteral("Settings/Duration"), QString());
    auto program = StartProgram(platform, false);
    frmMDI& main = program->MainWindow();
    main.setWindowState(Qt::WindowNoState);
    main.resize(1280, 800);
    main.Form_Load();
    Save(main, folder, QStringLiteral("frmMDI"));

    frmAbout about(platform, &main);
    about.adjustSize();
    Save(about, folder, QStringLiteral("frmAbout"));

    for (const WindowShot& shot : WindowShots()) {
        shot.prepare(*program);
        Save(main, folder, shot.name + QStringLiteral("-in-frmMDI"));
        if (ChildWindow* window = main.Windows().Window(shot.window)) {
            Save(*window->parentWidget(), folder, shot.name);
        }
    }
    return 0;
}
