#include "common/ReportView.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <memory>

#include "common/Platform.h"
#include "common/QtText.h"

namespace oriastra {

namespace {

// Laid out page by page on the printer itself, so no page numbers are added.
void PrintDocument(QTextDocument& document, QPrinter& printer) {
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    document.setPageSize(page.size());
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer.newPage()) break;
        painter.save();
        painter.translate(0, -page.height() * index);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page.height() * index, page.width(), page.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
}

}  // namespace

ReportView::ReportView(Platform& platform, QWidget* parent) : QTextEdit(parent), platform_(platform) {
    setObjectName("RTB");
    setAcceptRichText(false);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setMouseTracking(true);
    // Tab moves on to the window's buttons; a report has no use for tab characters.
    setTabChangesFocus(true);
    // The report font: Verdana 9.75 pt, or the nearest sans-serif font installed.
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    font.setStyleHint(QFont::SansSerif);
    document()->setDefaultFont(font);
    setFont(font);
}

void ReportView::ShowRuns(const StyledText& runs) {
    clear();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    for (const StyledRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(run.color.red, run.color.green, run.color.blue));
        if (run.link) {
            format.setAnchor(true);
            format.setAnchorHref(ToQt(run.text));
            format.setFontUnderline(true);
        }
        cursor.insertText(ToQt(run.text), format);
    }
    moveCursor(QTextCursor::Start);
}

bool ReportView::HasSelection() const { return textCursor().hasSelection(); }

void ReportView::PrintTo(QPrinter* printer, bool selectionOnly) {
    if (printer == nullptr || !printer->isValid()) return;
    // Margins a reader expects on paper, whatever the printer's own minimum is.
    printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    std::unique_ptr<QTextDocument> printed;
    if (selectionOnly && HasSelection()) {
        printed = std::make_unique<QTextDocument>();
        printed->setDefaultFont(document()->defaultFont());
        QTextCursor(printed.get()).insertFragment(textCursor().selection());
    } else {
        printed.reset(document()->clone());
    }
    PrintDocument(*printed, *printer);
}

void ReportView::mousePressEvent(QMouseEvent* event) {
    if (linksEnabled_ && event->button() == Qt::LeftButton) {
        OpenLink(anchorAt(event->position().toPoint()));
    }
    QTextEdit::mousePressEvent(event);
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (linksEnabled_ && enter && event->modifiers() == Qt::NoModifier) {
        // The caret stands between two characters; either one may belong to the link.
        QTextCursor after = textCursor();
        after.clearSelection();
        QString address = after.charFormat().anchorHref();
        if (address.isEmpty() && after.movePosition(QTextCursor::NextCharacter)) {
            address = after.charFormat().anchorHref();
        }
        if (!address.isEmpty()) {
            OpenLink(address);
            event->accept();
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

void ReportView::OpenLink(const QString& address) {
    // Only what the report marked as a web address is ever opened, and only whole.
    if (!address.isEmpty() && address.size() <= kLongestLink && IsWebAddress(FromQt(address))) {
        platform_.OpenWebPage(address);
    }
}

void ReportView::mouseMoveEvent(QMouseEvent* event) {
    const bool overLink = linksEnabled_ && !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

}  // namespace oriastra
