#pragma once
#include "common/StyledText.h"

class QPrinter;
class QTextEdit;

namespace oriastra {

// Empties the view and appends the runs at the end, each with its bold and colour. Texts are
// inserted as text, never read as markup, so a name like "<b>Ann" shows as typed.
void ShowStyledText(QTextEdit& view, const StyledText& runs);

// Prints the whole report, with its formatting, whatever is selected. No printer: nothing.
void PrintWholeReport(QTextEdit& view, QPrinter* printer);

// The report font: Verdana 9.75 pt, or the nearest sans-serif font installed.
void UseReportFont(QTextEdit& view);

}  // namespace oriastra
