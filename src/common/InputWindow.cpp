#include "common/InputWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "common/ProgramState.h"

namespace oriastra {

InputWindow::InputWindow(AppContext& context, WindowId id, Tradition tradition,
                         const QString& caption)
    : TraditionWindow(context, id, caption, true) {
    panel = new BirthDetailsPanel(RulesFor(tradition), context.platform, this);
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
