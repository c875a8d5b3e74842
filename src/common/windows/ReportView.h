#pragma once
#include <QTextEdit>

#include "common/logic/StyledText.h"

class QPrinter;

namespace oriastra {

class Platform;

// The rich-text report view `RTB`. It shows styled runs; texts are inserted as text, never
// read as markup, so a name like "<b>Ann" shows as typed. It takes no typing: the caret moves
// and selects with the mouse and the keyboard, while letters with Alt reach the window's access
// keys. With links switched on, a left click on a link run, or Enter with the caret on one,
// hands its address to the browser; the click still places the caret.
class ReportView : public QTextEdit {
    Q_OBJECT
public:
    ReportView(Platform& platform, QWidget* parent = nullptr);

    // Empties the view and appends the runs, each with its bold and colour.
    void ShowRuns(const StyledText& runs);

    void EnableReportLinks() { linksEnabled_ = true; }
    void DisableReportLinks() { linksEnabled_ = false; }
    bool LinksEnabled() const { return linksEnabled_; }

    bool HasSelection() const;
    // Prints the selection when asked and something is selected, otherwise the whole report,
    // with its formatting and without page numbers. No printer: nothing.
    void PrintTo(QPrinter* printer, bool selectionOnly);

    // Longer link texts are not handed to the browser.
    static constexpr int kLongestLink = 1024;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Hands the address to the browser when the report marked it as a web address.
    void OpenLink(const QString& address);

    Platform& platform_;
    bool linksEnabled_ = false;
};

}  // namespace oriastra
