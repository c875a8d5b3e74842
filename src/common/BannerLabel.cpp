#include "common/BannerLabel.h"

#include <QMouseEvent>

#include "common/QtText.h"

namespace oriastra {

QString ShownCaption(std::string_view caption) {
    QString shown = ToQt(caption);
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return shown;
}

BannerLabel::BannerLabel(const QString& objectName, std::string_view caption,
                         std::function<void()> onClick, QWidget* parent)
    : QLabel(ShownCaption(caption), parent), onClick_(std::move(onClick)) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    // One look for every link of the program, set by the house style.
    setProperty("link", true);
}

void BannerLabel::mouseReleaseEvent(QMouseEvent* event) {
    // Handled here, so a clickable strip behind the label does not open the page twice.
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick_) {
        onClick_();
    }
}

}  // namespace oriastra
