#include "WindowShots.h"

#include <QApplication>
#include <QLineEdit>

#include "ExampleReading.h"
#include "common/windows/ChildWindow.h"
#include "common/windows/InputWindow.h"
#include "common/windows/QtText.h"
#include "common/windows/WindowRegistry.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"

namespace oriastra {

namespace {

class Camera {
public:
    Camera(Application& program, WindowRenders& renders) : program_(program), renders_(renders) {}

    // The window alone and the main window around it; the name the pictures are kept under.
    QString Take(WindowId id, const QString& view = {}) {
        ChildWindow* window = Windows().Window(id);
        if (window == nullptr) return {};
        QString name = window->objectName();
        if (!view.isEmpty()) name += QStringLiteral("-") + view;
        Grab(program_.MainWindow(), name + QStringLiteral("-in-frmMDI"));
        Grab(*window->parentWidget(), name);
        return name;
    }

    void Grab(QWidget& widget, const QString& name) {
        QApplication::processEvents();
        renders_.byName[name] = widget.grab().toImage();
    }

    WindowRegistry& Windows() { return program_.MainWindow().Windows(); }

private:
    Application& program_;
    WindowRenders& renders_;
};

QString ReadmeFile(Tradition tradition, const char* what) {
    return ToQt(tradition->key) + QStringLiteral("-") + QString::fromLatin1(what) +
           QStringLiteral(".png");
}

}  // namespace

void RenderTraditionWindows(Application& program, WindowRenders& renders) {
    Camera camera(program, renders);
    frmMDI& main = program.MainWindow();

    const auto traditions = AllTraditions();
    for (Tradition tradition : traditions) {
        if (InputWindow* input = OpenInput(main, tradition)) {
            input->panel->txtName->setText(ToQt(tradition->example.name));
        }
        const QString name = camera.Take(InputOf(tradition));
        // The first tradition's input shows how a window sits in the main window.
        if (tradition == traditions.front() && !name.isEmpty()) {
            renders.readme[ReadmeFile(tradition, "input")] = name + QStringLiteral("-in-frmMDI");
        }
    }
    for (Tradition tradition : traditions) {
        ChildWindow* reading = ShowExampleReading(main, tradition);
        const QStringList views = reading != nullptr ? reading->PictureViews() : QStringList();
        QString first;
        if (views.isEmpty()) first = camera.Take(ReadingOf(tradition));
        for (int view = 0; view < views.size(); ++view) {
            // Each view from a fresh reading window, as a reader who just calculated sees it.
            if (view > 0) reading = ShowExampleReading(main, tradition);
            if (reading == nullptr) break;
            reading->ShowPictureView(view);
            const QString name = camera.Take(ReadingOf(tradition), views[view]);
            if (view == 0) first = name;
        }
        if (!first.isEmpty()) renders.readme[ReadmeFile(tradition, "reading")] = first;
        if (!tradition->HasReport()) continue;
        ShowExampleReading(main, tradition);
        camera.Windows().Show(ReportOf(tradition));
        const QString report = camera.Take(ReportOf(tradition));
        if (!report.isEmpty()) renders.readme[ReadmeFile(tradition, "report")] = report;
    }
}

}  // namespace oriastra
