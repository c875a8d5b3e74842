#include "common/ReportView.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <QTextCursor>
#include <QTextEdit>

#include "common/QtText.h"

namespace oriastra {

void ShowStyledText(QTextEdit& view, const StyledText& runs) {
    view.clear();
    QTextCursor cursor(view.document());
    cursor.movePosition(QTextCursor::End);
    for (const StyledRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(run.color.red, run.color.green, run.color.blue));
        cursor.insertText(ToQt(run.text), format);
    }
    view.moveCursor(QTextCursor::Start);
}

void PrintWholeReport(QTextEdit& view, QPrinter* printer) {
    QTextCursor cursor = view.textCursor();
    cursor.clearSelection();
    view.setTextCursor(cursor);
    if (printer == nullptr || !printer->isValid()) return;
    // Laid out page by page on the printer itself, so no page numbers are added.
    std::unique_ptr<QTextDocument> document(view.document()->clone());
    document->documentLayout()->setPaintDevice(printer);
    const QRectF page = printer->pageRect(QPrinter::DevicePixel);
    document->setPageSize(page.size());
    QPainter painter;
    if (!painter.begin(printer)) return;
    const int pages = document->pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer->newPage()) break;
        painter.save();
        painter.translate(0, -page.height() * index);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page.height() * index, page.width(), page.height());
        painter.setClipRect(context.clip);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
}

void UseReportFont(QTextEdit& view) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    font.setStyleHint(QFont::SansSerif);
    view.document()->setDefaultFont(font);
    view.setFont(font);
}

}  // namespace oriastra
