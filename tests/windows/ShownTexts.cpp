#include "ShownTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

#include "ExampleReading.h"
#include "common/windows/ChildWindow.h"
#include "common/windows/WindowRegistry.h"
#include "common/windows/frmAbout.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"

namespace oriastra {

namespace {

void AddText(QStringList& texts, const QString& text) {
    if (!text.trimmed().isEmpty()) texts.push_back(text);
}

QString Described(const QWidget& control, const QString& caption) {
    return (control.objectName().isEmpty() ? QString::fromLatin1(control.metaObject()->className())
                                           : control.objectName()) +
           QStringLiteral(": ") + caption;
}

enum class Texts { All, Captions };

// A label showing a result carries the caption it is read out with.
bool ShowsAValue(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label != nullptr &&
           (label->property("accessibleCaption").isValid() || !label->pixmap().isNull());
}

bool IsNumber(const QString& text) {
    bool number = false;
    text.toInt(&number);
    return number;
}

QStringList TextsOf(const QWidget& root, Texts which) {
    const bool captions = which == Texts::Captions;
    QStringList texts;
    // Numbers (days, years, house numbers) are the same in every language.
    const auto addText = [&texts, captions](const QString& text) {
        if (!captions || !IsNumber(text)) AddText(texts, text);
    };
    QList<const QWidget*> controls{&root};
    for (const QWidget* child : root.findChildren<QWidget*>()) controls.push_back(child);
    for (const QWidget* control : controls) {
        if (captions && (ShowsAValue(*control) || qobject_cast<const QTextEdit*>(control) ||
                         qobject_cast<const QPlainTextEdit*>(control))) {
            continue;
        }
        if (control->isWindow()) addText(control->windowTitle());
        addText(control->toolTip());
        addText(control->accessibleName());
        addText(control->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(control)) addText(label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            addText(button->text());
        }
        if (const auto* box = qobject_cast<const QGroupBox*>(control)) addText(box->title());
        if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
            for (int tab = 0; tab < tabs->count(); ++tab) addText(tabs->tabText(tab));
        }
        if (const auto* list = qobject_cast<const QComboBox*>(control)) {
            for (int item = 0; item < list->count(); ++item) addText(list->itemText(item));
        }
        if (const auto* menu = qobject_cast<const QMenu*>(control)) addText(menu->title());
        if (const auto* view = qobject_cast<const QTextEdit*>(control)) {
            addText(view->toPlainText());
        }
        if (const auto* view = qobject_cast<const QPlainTextEdit*>(control)) {
            addText(view->toPlainText());
        }
    }
    for (const QAction* action : root.findChildren<QAction*>()) addText(action->text());
    return texts;
}

}  // namespace

void VisitEveryWindow(Application& program, Platform& platform,
                      const std::function<void(const QWidget&)>& look) {
    frmMDI& main = program.MainWindow();
    const auto settled = [&main, &look] {
        QApplication::processEvents();
        look(main);
    };
    settled();
    for (Tradition tradition : AllTraditions()) {
        OpenInput(main, tradition);
        settled();
        ChildWindow* reading = ShowExampleReading(main, tradition);
        if (reading == nullptr) continue;
        const QStringList views = reading->PictureViews();
        for (int view = 0; view < views.size(); ++view) {
            reading->ShowPictureView(view);
            settled();
        }
        if (views.isEmpty()) settled();
        if (!tradition->HasReport()) continue;
        main.Windows().Show(ReportOf(tradition));
        settled();
    }
    frmAbout about(platform, ProseNamingTraditions().about, &main);
    // Looked at, not used: shown without holding the other windows, as the tests' watch for
    // unexpected modal windows would take it for one.
    about.setWindowModality(Qt::NonModal);
    about.show();
    QApplication::processEvents();
    look(about);
}

QStringList ShownTexts(const QWidget& root) { return TextsOf(root, Texts::All); }

QStringList CaptionTexts(const QWidget& root) { return TextsOf(root, Texts::Captions); }

QStringList CaptionsThatDoNotFit(const QWidget& root) {
    QStringList faults;
    for (const QWidget* control : root.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->width() <= 0) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            if (button->text().isEmpty()) continue;
            if (button->width() < button->minimumSizeHint().width()) {
                faults.push_back(Described(*button, button->text()));
            }
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (label->text().isEmpty() || !label->pixmap().isNull()) continue;
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->minimumSizeHint().width() <= label->width();
            if (!fits) faults.push_back(Described(*label, label->text()));
        } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
            if (!box->title().isEmpty() && box->width() < box->minimumSizeHint().width()) {
                faults.push_back(Described(*box, box->title()));
            }
        }
    }
    return faults;
}

}  // namespace oriastra
