#include "WindowShots.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

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

    InputWindow* OpenInput(Tradition tradition) {
        program_.MainWindow().cmdSelectOption_Click(tradition->selector.index);
        return Windows().As<InputWindow>(InputOf(tradition));
    }

    // The example person's reading, through the window's own Calculate step.
    ChildWindow* ShowReading(Tradition tradition) {
        InputWindow* input = OpenInput(tradition);
        if (input == nullptr) return nullptr;
        const ExamplePerson& person = tradition->example;
        BirthDetailsPanel& panel = *input->panel;
        panel.txtName->setText(ToQt(person.name));
        panel.cboMonth->setCurrentText(ToQt(person.month));
        panel.cboDate->setCurrentText(ToQt(person.day));
        panel.cboYear->setCurrentText(ToQt(person.year));
        if (panel.optFemale != nullptr) panel.optFemale->setChecked(true);
        input->Calculate();
        return Windows().Window(ReadingOf(tradition));
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

    const auto traditions = AllTraditions();
    for (Tradition tradition : traditions) {
        if (InputWindow* input = camera.OpenInput(tradition)) {
            input->panel->txtName->setText(ToQt(tradition->example.name));
        }
        const QString name = camera.Take(InputOf(tradition));
        // The first tradition's input shows how a window sits in the main window.
        if (tradition == traditions.front() && !name.isEmpty()) {
            renders.readme[ReadmeFile(tradition, "input")] = name + QStringLiteral("-in-frmMDI");
        }
    }
    for (Tradition tradition : traditions) {
        ChildWindow* reading = camera.ShowReading(tradition);
        const QStringList views = reading != nullptr ? reading->PictureViews() : QStringList();
        QString first;
        if (views.isEmpty()) first = camera.Take(ReadingOf(tradition));
        for (int view = 0; view < views.size(); ++view) {
            // Each view from a fresh reading window, as a reader who just calculated sees it.
            if (view > 0) reading = camera.ShowReading(tradition);
            if (reading == nullptr) break;
            reading->ShowPictureView(view);
            const QString name = camera.Take(ReadingOf(tradition), views[view]);
            if (view == 0) first = name;
        }
        if (!first.isEmpty()) renders.readme[ReadmeFile(tradition, "reading")] = first;
        if (!tradition->HasReport()) continue;
        camera.ShowReading(tradition);
        camera.Windows().Show(ReportOf(tradition));
        const QString report = camera.Take(ReportOf(tradition));
        if (!report.isEmpty()) renders.readme[ReadmeFile(tradition, "report")] = report;
    }
}

}  // namespace oriastra
