#include "common/InputWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/ProgramState.h"
#include "shell/HelpMenu.h"

namespace oriastra {

InputWindow::InputWindow(AppContext& context, WindowId id, Tradition tradition,
                         const QString& caption)
    : ChildWindow(context, id) {
    setWindowTitle(caption);
    setProperty("traditionWindow", true);
    panel = new BirthDetailsPanel(RulesFor(tradition), context.platform, this);
    menuBar_ = new QMenuBar(this);
    fileMenu_ = menuBar_->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName("mnuFile");
    body_ = new QVBoxLayout(this);
    body_->setMenuBar(menuBar_);
    body_->setContentsMargins(14, 10, 14, 12);
    body_->setSpacing(10);
}

void InputWindow::Form_Load() {
    panel->FillLists(fillOrder_);
    PlaceAtTopCentre();
}

void InputWindow::Form_Unload() { context_.welcome.SetWelcomePanelVisible(true); }

bool InputWindow::AcceptBirthDetails() {
    if (!panel->Validate()) return false;
    context_.state.birthDetails = panel->Store();
    return true;
}

QAction* InputWindow::AddFileEntry(const char* name, const QString& caption,
                                   std::function<void()> handler) {
    QAction* entry = fileMenu_->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    connect(entry, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return entry;
}

void InputWindow::AddFileSeparator(const char* name) {
    QAction* separator = fileMenu_->addSeparator();
    if (name != nullptr) separator->setObjectName(QString::fromLatin1(name));
}

void InputWindow::AddExitAndHelp(const QString& updateCaption, const QString& makeMoneyName) {
    AddFileEntry("mnuExit", QStringLiteral("E&xit"), [this] { Unload(); });
    HelpMenuNames names;
    if (!updateCaption.isEmpty()) names.updateCaption = updateCaption;
    if (!makeMoneyName.isEmpty()) names.makeMoneyName = makeMoneyName;
    AddHelpMenu(*menuBar_, context_.platform, *this, names);
}

QPushButton* InputWindow::AddButton(const char* name, const QString& caption,
                                    std::function<void()> handler) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(32);
    connect(button, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
    return button;
}

QWidget* InputWindow::AddText(const char* name, const QString& text, bool emphasised) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (emphasised) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setProperty("instruction", true);
    }
    body_->addWidget(label);
    return label;
}

}  // namespace oriastra
