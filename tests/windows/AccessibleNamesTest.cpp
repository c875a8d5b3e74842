#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

#include "WindowTest.h"
#include "common/windows/InputWindow.h"
#include "common/windows/frmAbout.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

// What a screen reader meets that has to be named: everything that shows content or acts.
bool ShowsOrActs(QAccessible::Role role) {
    switch (role) {
    case QAccessible::StaticText:
    case QAccessible::Graphic:
    case QAccessible::Link:
    case QAccessible::Button:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::PageTabList:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}

bool TakesFocus(QObject* object) {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->focusPolicy() != Qt::NoFocus &&
           widget->focusProxy() == nullptr;
}

// An empty label shows nothing, so there is nothing to read either.
bool ShowsNothing(QObject* object) {
    const auto* label = qobject_cast<QLabel*>(object);
    return label != nullptr && label->text().isEmpty() && label->pixmap().isNull();
}

// Qt's interface names a list by its current entry and gives a tab strip no description of its
// own; what those controls are for lives in the widget's own name and description.
QString Text(QAccessibleInterface& node, QAccessible::Text which) {
    const auto* widget = qobject_cast<QWidget*>(node.object());
    const QString text = node.text(which);
    if (widget == nullptr || (!text.isEmpty() && node.role() != QAccessible::ComboBox)) return text;
    return which == QAccessible::Name ? widget->accessibleName() : widget->accessibleDescription();
}

QString Describe(QAccessibleInterface& node) {
    QObject* object = node.object();
    return QStringLiteral("%1 %2 (role %3)")
        .arg(object != nullptr ? QString::fromLatin1(object->metaObject()->className()) : "item",
             object != nullptr ? object->objectName() : node.text(QAccessible::Name))
        .arg(static_cast<int>(node.role()), 0, 16);
}

// Walks the accessibility tree of what is on screen, as a screen reader does, and lists every
// control without a name, and every input, action, picture and reading text (all but plain
// captions, tabs and menu titles) without a description.
void Walk(QAccessibleInterface& node, QStringList& unnamed, QStringList& undescribed) {
    for (int index = 0; index < node.childCount(); ++index) {
        QAccessibleInterface* child = node.child(index);
        if (child == nullptr || child->state().invisible) continue;
        QObject* object = child->object();
        const QAccessible::Role role = child->role();
        if ((ShowsOrActs(role) || TakesFocus(object)) && !ShowsNothing(object)) {
            if (Text(*child, QAccessible::Name).trimmed().isEmpty()) {
                unnamed.push_back(Describe(*child));
            }
            const bool caption = role == QAccessible::StaticText || role == QAccessible::PageTab ||
                                 role == QAccessible::MenuItem;
            if ((!caption || TakesFocus(object)) &&
                Text(*child, QAccessible::Description).trimmed().isEmpty()) {
                undescribed.push_back(Describe(*child));
            }
        }
        Walk(*child, unnamed, undescribed);
    }
}

void ExpectNamed(QWidget& root, const std::string& where) {
    QStringList unnamed;
    QStringList undescribed;
    Walk(*QAccessible::queryAccessibleInterface(&root), unnamed, undescribed);
    EXPECT_EQ(unnamed, QStringList()) << where << ": controls without a name";
    EXPECT_EQ(undescribed, QStringList()) << where << ": controls without a description";
}

class AccessibleNames : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
    }
    // The whole main window with the given window in it, once for every page of its tabs.
    void ExpectEveryControlNamed(QWidget* window, const std::string& where) {
        ASSERT_NE(window, nullptr) << where;
        const QList<QTabBar*> bars = window->findChildren<QTabBar*>();
        if (bars.isEmpty()) return ExpectNamed(Main(), where);
        for (QTabBar* bar : bars) {
            for (int tab = 0; tab < bar->count(); ++tab) {
                bar->setCurrentIndex(tab);
                Settle();
                ExpectNamed(Main(), where + ", tab " + bar->tabText(tab).toStdString());
            }
        }
    }
};

TEST_F(AccessibleNames, TheMainWindowAndTheAboutWindow) {
    ExpectEveryControlNamed(&Main(), "main window");
    bool walked = false;
    ExpectModal([&walked](QWidget* dialog) {
        ExpectNamed(*dialog, "About window");
        walked = true;
        static_cast<QDialog*>(dialog)->accept();
    });
    Main().findChild<QAction*>("mnuAbout")->trigger();
    EXPECT_TRUE(walked);
}

class EveryTraditionWindow : public AccessibleNames,
                             public ::testing::WithParamInterface<Tradition> {};

TEST_P(EveryTraditionWindow, NamesEveryControlOnEveryPage) {
    const Tradition tradition = GetParam();
    Main().cmdSelectOption_Click(tradition->selector.index);
    Settle();
    auto* input = Windows().As<InputWindow>(InputOf(tradition));
    ExpectEveryControlNamed(input, "input window");

    // A Friday, so the Burmese chart asks nothing.
    BirthDetailsPanel& panel = *input->panel;
    panel.txtName->setText("Ann");
    panel.cboMonth->setCurrentIndex(panel.cboMonth->findText("January"));
    panel.cboDate->setCurrentIndex(panel.cboDate->findText("5"));
    panel.cboYear->setCurrentIndex(panel.cboYear->findText("1990"));
    if (panel.optFemale != nullptr) panel.optFemale->setChecked(true);
    input->Calculate();
    Settle();
    ASSERT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(' ').toStdString();
    ExpectEveryControlNamed(Window(ReadingOf(tradition)), "reading window");

    if (!Describe(tradition).HasReport()) return;
    Windows().Show(ReportOf(tradition));
    Settle();
    ExpectEveryControlNamed(Window(ReportOf(tradition)), "report window");
}

INSTANTIATE_TEST_SUITE_P(, EveryTraditionWindow, ::testing::ValuesIn(AllTraditions()),
                         [](const auto& info) { return std::string(TraditionKey(info.param)); });

}  // namespace
}  // namespace oriastra
