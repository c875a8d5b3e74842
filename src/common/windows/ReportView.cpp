#include "common/windows/ReportView.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextDocumentFragment>
#include <memory>

#include "common/windows/Platform.h"
#include "common/windows/QtText.h"

namespace oriastra {

namespace {

// Draws the lines whose top lies on the page. The layout has already moved any line that would
// straddle a page break onto the next page, so each line lands on exactly one page; drawing the
// whole layout under a clip instead would leave the clipped lines in a PDF's text layer.
void DrawPage(const QTextDocument& document, QPainter& painter, const QRectF& page) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        // Reports hold their blocks in the root frame, whose layouts are placed in document
        // coordinates.
        const QPointF origin = lines->position();
        for (int index = 0; index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            const qreal top = origin.y() + line.y();
            if (top >= page.top() && top < page.bottom()) line.draw(&painter, origin);
        }
    }
}

// Laid out page by page on the printer itself, so no page numbers are added.
void PrintDocument(QTextDocument& document, QPrinter& printer) {
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    document.setPageSize(area.size());
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer.newPage()) break;
        const QRectF page(0, area.height() * index, area.width(), area.height());
        painter.save();
        painter.translate(0, -page.top());
        painter.setClipRect(page);
        DrawPage(document, painter, page);
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
