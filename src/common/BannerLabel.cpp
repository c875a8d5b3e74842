#include "common/BannerLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/QtText.h"

namespace oriastra {

namespace {

// A link with a press action, where a plain label would be read as static text.
class BannerLabelAccessible : public QAccessibleWidget {
public:
    explicit BannerLabelAccessible(BannerLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) static_cast<BannerLabel*>(widget())->Activate();
        else QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* BannerLabelInterface(const QString& key, QObject* object) {
    auto* label = qobject_cast<BannerLabel*>(object);
    if (label == nullptr || key != QLatin1String(BannerLabel::staticMetaObject.className())) {
        return nullptr;
    }
    return new BannerLabelAccessible(label);
}

}  // namespace

QString ShownCaption(std::string_view caption) {
    QString shown = ToQt(caption);
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return shown;
}

BannerLabel::BannerLabel(const QString& objectName, std::string_view caption,
                         const QString& pageRole, std::function<void()> onClick, QWidget* parent)
    : QLabel(ShownCaption(caption), parent), onClick_(std::move(onClick)) {
    static const bool interfaceInstalled = [] {
        QAccessible::installFactory(BannerLabelInterface);
        return true;
    }();
    (void)interfaceInstalled;
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it; a click opens the page without taking the focus from the entries.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text());
    setAccessibleDescription(pageRole);
    // One look for every link of the program, set by the house style.
    setProperty("link", true);
}

void BannerLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BannerLabel::Activate() {
    if (onClick_) onClick_();
}

void BannerLabel::mouseReleaseEvent(QMouseEvent* event) {
    // Handled here, so a clickable strip behind the label does not open the page twice.
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Activate();
    }
}

void BannerLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            event->accept();
            Activate();
            return;
        }
    }
    QLabel::keyPressEvent(event);
}

void PutLinksLastInTabOrder(QWidget& window) {
    QWidget* lastControl = nullptr;
    QList<QWidget*> links;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if (!window.isAncestorOf(widget)) continue;
        if (qobject_cast<BannerLabel*>(widget) != nullptr) links.push_back(widget);
        else if (widget->focusPolicy() != Qt::NoFocus) lastControl = widget;
    }
    for (QWidget* link : links) {
        if (lastControl != nullptr) QWidget::setTabOrder(lastControl, link);
        lastControl = link;
    }
}

}  // namespace oriastra
