// Renders the main window and every window to PNG files, offscreen, so their look can be judged
// without a display. The fonts are pinned, so a render is the same on every machine that has them.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <cstdio>
#include <cstring>
#include <map>

#include "PinnedFonts.h"
#include "ReadmePictures.h"
#include "ScriptedPlatform.h"
#include "WindowShots.h"
#include "common/windows/Translations.h"
#include "common/windows/frmAbout.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"

using namespace oriastra;

namespace {

constexpr char kUsage[] =
    "Usage: oriastra-render-windows [--language LANG] [FOLDER]\n"
    "       oriastra-render-windows [--language LANG] --readme FOLDER\n"
    "       oriastra-render-windows [--language LANG] --check FOLDER\n"
    "\n"
    "Renders the main window and every window offscreen to PNG files in FOLDER (default\n"
    "screenshots). --readme writes only the README's pictures, under their own names; --check\n"
    "compares the README's pictures in FOLDER with a fresh render and exits 1 if any differs.\n"
    "The windows speak LANG, a language code (\"id\"); English when it is not given, whatever the\n"
    "machine's own language.\n";

enum class Mode { Everything, Readme, Check };

// Every window, by name, as the user sees it.
WindowRenders RenderEveryWindow() {
    WindowRenders renders;
    const auto take = [&renders](QWidget& widget, const QString& name) {
        QApplication::processEvents();
        renders.byName[name] = widget.grab().toImage();
    };
    ScriptedPlatform platform;
    platform.screenWidth = 1280;
    platform.settings.insert(QStringLiteral("Settings/Duration"), QString());
    auto program = StartProgram(platform, false);
    frmMDI& main = program->MainWindow();
    main.setWindowState(Qt::WindowNoState);
    main.resize(1280, 800);
    main.Form_Load();
    take(main, QStringLiteral("frmMDI"));
    renders.readme[QStringLiteral("main-window.png")] = QStringLiteral("frmMDI");

    frmAbout about(platform, ProseNamingTraditions().about, &main);
    about.adjustSize();
    take(about, QStringLiteral("frmAbout"));

    RenderTraditionWindows(*program, renders);
    return renders;
}

bool Write(const QImage& image, const QDir& folder, const QString& file) {
    const QString path = folder.filePath(file);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Mode mode = Mode::Everything;
    const char* folderName = "screenshots";
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 3;
    }
    const char* language = "en";
    if (argc >= 3 && std::strcmp(argv[1], "--language") == 0) {
        language = argv[2];
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    if (argc == 3 && std::strcmp(argv[1], "--readme") == 0) {
        mode = Mode::Readme;
        folderName = argv[2];
    } else if (argc == 3 && std::strcmp(argv[1], "--check") == 0) {
        mode = Mode::Check;
        folderName = argv[2];
    } else if (argc == 2 && argv[1][0] != '-') {
        folderName = argv[1];
    } else if (argc != 1) {
        const bool option = argc == 2 || argv[1][0] == '-';
        std::fprintf(stderr, "oriastra-render-windows: %s '%s'\n%s",
                     option ? "unknown option" : "unexpected argument", argv[option ? 1 : 2], kUsage);
        return 2;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    const PinnedFonts fonts;
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QString::fromLatin1(language)));
    LoadTranslations();
    const QDir folder(QString::fromLocal8Bit(folderName));
    const WindowRenders renders = RenderEveryWindow();
    if (mode == Mode::Check) return ReadmePicturesMatch(folder.path(), renders) ? 0 : 1;

    QDir().mkpath(folder.path());
    bool written = true;
    if (mode == Mode::Readme) {
        for (const auto& [file, name] : renders.readme) {
            written = Write(renders.byName.at(name), folder, file) && written;
        }
    } else {
        for (const auto& [name, image] : renders.byName) {
            written = Write(image, folder, name + QStringLiteral(".png")) && written;
        }
    }
    return written ? 0 : 1;
}
