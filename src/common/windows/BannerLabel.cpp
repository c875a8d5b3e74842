#include "common/windows/BannerLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "common/windows/LabelMeasures.h"
#include "common/windows/QtText.h"
#include "common/windows/WrappedText.h"

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

QSizeF BannerLabel::TextBox(qreal width) const {
    return QFontMetricsF(font())
        .boundingRect(QRectF(0, 0, std::max(width, 0.0), 100000), Qt::TextWordWrap | alignment(),
                      text())
        .size();
}

QSize BannerLabel::WithMargins(QSizeF text) const {
    const QMargins margins = contentsMargins();
    const QSize rounded(static_cast<int>(std::ceil(text.width())),
                        static_cast<int>(std::ceil(text.height())));
    return rounded + QSize(margins.left() + margins.right() + 2 * margin(),
                           margins.top() + margins.bottom() + 2 * margin());
}

// A block about five wide to three high, never wider than 80 letters, as links have always been
// laid out. Each window shows the same links, so the answers are kept for the run.
QSize BannerLabel::sizeHint() const {
    if (!wordWrap()) return QLabel::sizeHint();
    static LabelAnswers<QSize> hints;
    return hints.Get(LabelMeasureKey(*this), [&] {
        const int widest = fontMetrics().horizontalAdvance(QLatin1Char('x')) * 80;
        QSizeF box = TextBox(widest);
        if (box.width() > 0) {
            int width = static_cast<int>(std::sqrt(5.0 * box.height() * widest / 3.0));
            box = TextBox(std::min(width, widest));
            if (width * 3 < 5 * box.height()) {
                width = static_cast<int>(std::sqrt(2.0 * box.height() * std::min(width, widest)));
                box = TextBox(std::min(width, widest));
            }
        }
        return WithMargins(box);
    });
}

// As narrow as the longest word, as low as one line.
QSize BannerLabel::minimumSizeHint() const {
    if (!wordWrap()) return QLabel::minimumSizeHint();
    static LabelAnswers<QSize> hints;
    return hints.Get(LabelMeasureKey(*this), [&] {
        const QSizeF text(TextBox(0).width(), QFontMetricsF(font()).height());
        const QSize least = WithMargins(text);
        return QSize(least.width(), std::min(least.height(), sizeHint().height()));
    });
}

// Layouts ask at many trial widths; the answers are kept apart from the windows' paragraphs,
// which they would otherwise push out of TallestWrappedText's few.
int BannerLabel::heightForWidth(int width) const {
    if (!wordWrap()) return QLabel::heightForWidth(width);
    static LabelAnswers<int> heights;
    return heights.Get(LabelMeasureKey(*this) + QChar(0x1f) + QString::number(width), [&] {
        const QSize margins = WithMargins(QSize(0, 0));
        return WrappedTextHeight(font(), std::max(1, width - margins.width()), text()) +
               margins.height();
    });
}

bool BannerLabel::event(QEvent* event) {
    if (event->type() == QEvent::Polish) {
        // A label that takes the focus gets a rich-text editing control when polished, which lays
        // the caption out as a document for every measure and paint; a plain link needs none.
        const Qt::FocusPolicy policy = focusPolicy();
        setFocusPolicy(Qt::NoFocus);
        const bool handled = QLabel::event(event);
        setFocusPolicy(policy);
        return handled;
    }
    return QLabel::event(event);
}

// The same control would be made when the focus arrives; the outline is drawn in paintEvent.
void BannerLabel::focusInEvent(QFocusEvent* event) { QFrame::focusInEvent(event); }

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
