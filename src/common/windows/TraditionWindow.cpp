#include "common/windows/TraditionWindow.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/windows/HelpMenu.h"
#include "common/windows/WindowStyle.h"

namespace oriastra {

TraditionWindow::TraditionWindow(AppContext& context, WindowId id, const QString& caption,
                                 bool withMenus)
    : ChildWindow(context, id) {
    setWindowTitle(caption);
    // The house style paints every tradition window's ground; a plain QWidget subclass needs
    // to be told it has one.
    setProperty("traditionWindow", true);
    setAttribute(Qt::WA_StyledBackground, true);
    styleRules_ = TraditionWindowStyle();
    body_ = new QVBoxLayout(this);
    body_->setContentsMargins(14, 10, 14, 12);
    body_->setSpacing(10);
    // The menus live with the window; the main window's one menu bar shows them while this
    // window is active, so no two sets of access keys ever compete.
    if (withMenus) {
        fileMenu_ = new QMenu(tr("&File"), this);
        fileMenu_->setObjectName("mnuFile");
    }
}

void TraditionWindow::AddStyleRules(const QString& rules) {
    styleRules_ += rules;
    if (styled_) setStyleSheet(styleRules_);
}

bool TraditionWindow::event(QEvent* event) {
    if (event->type() == QEvent::Polish && !styled_) {
        styled_ = true;
        setStyleSheet(styleRules_);
    }
    return ChildWindow::event(event);
}

QList<QMenu*> TraditionWindow::Menus() const {
    QList<QMenu*> menus;
    for (QMenu* menu : {fileMenu_, helpMenu_}) {
        if (menu != nullptr) menus.push_back(menu);
    }
    return menus;
}

QAction* TraditionWindow::AddFileEntry(const char* name, const QString& caption,
                                       std::function<void()> handler) {
    QAction* entry = fileMenu_->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    connect(entry, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return entry;
}

void TraditionWindow::AddFileSeparator(const char* name) {
    QAction* separator = fileMenu_->addSeparator();
    if (name != nullptr) separator->setObjectName(QString::fromLatin1(name));
}

void TraditionWindow::AddExitAndHelp(const QString& updateCaption, const QString& makeMoneyName) {
    AddFileEntry("mnuExit", tr("E&xit"), [this] { Unload(); });
    HelpMenuNames names{.updateCaption = updateCaption};
    if (!makeMoneyName.isEmpty()) names.makeMoneyName = makeMoneyName;
    helpMenu_ = MakeHelpMenu(context_.platform, *this, context_.aboutText, names);
}

QPushButton* TraditionWindow::AddButton(const char* name, const QString& caption,
                                         const QString& description,
                                         std::function<void()> handler) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleDescription(description);
    // Enter presses the focused button, as Space does; outside a dialog Qt would ignore it.
    button->setAutoDefault(true);
    button->setMinimumHeight(30);
    connect(button, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
    return button;
}

}  // namespace oriastra
