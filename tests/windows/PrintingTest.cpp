#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "WindowTest.h"
#include "common/QtPlatform.h"
#include "common/ReportView.h"

namespace oriastra {
namespace {

// The left and top edge of the first word on the first page of a PDF, in points.
std::optional<QPointF> FirstWordCorner(const QString& pdf) {
    QProcess bbox;
    bbox.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                             QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!bbox.waitForFinished(30000) || bbox.exitCode() != 0) return std::nullopt;
    const QRegularExpression word(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)")re"));
    const auto match = word.match(QString::fromUtf8(bbox.readAllStandardOutput()));
    if (!match.hasMatch()) return std::nullopt;
    return QPointF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

class Printing : public WindowTest {};

TEST_F(Printing, PagesKeepTwentyMillimetreMargins) {
    ReportView view(platform);
    view.ShowRuns({{"Name: Ann", true, kBlack, false}});
    const QString pdf = folder.filePath("margins.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    view.PrintTo(&printer, false);
    const auto corner = FirstWordCorner(pdf);
    if (!corner) GTEST_SKIP() << "pdftotext is missing";
    const double twentyMillimetres = 20.0 / 25.4 * 72.0;
    EXPECT_NEAR(corner->x(), twentyMillimetres, 5.0);
    EXPECT_NEAR(corner->y(), twentyMillimetres, 6.0) << "the first line's top, below the margin";
}

TEST(PdfStandIn, NamedAfterTheReportAndThePersonNeverOverwriting) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    struct Case {
        const char* name;
        QString given;
        QString expected;
    };
    const Case cases[] = {
        {"plain", "Kestrin Tibetan Astrology - Pema", "Kestrin Tibetan Astrology - Pema.pdf"},
        {"slashes", "Kestrin - a/b\\c", "Kestrin - a b c.pdf"},
        {"hidden", ".x", "Report .x.pdf"},
        {"empty", "", "Report.pdf"},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(UnusedPdfPath(folder.path(), row.given), folder.filePath(row.expected)) << row.name;
    }
    QFile first(folder.filePath("Kestrin - Ann.pdf"));
    ASSERT_TRUE(first.open(QIODevice::WriteOnly));
    QFile second(folder.filePath("Kestrin - Ann (2).pdf"));
    ASSERT_TRUE(second.open(QIODevice::WriteOnly));
    EXPECT_EQ(UnusedPdfPath(folder.path(), "Kestrin - Ann"), folder.filePath("Kestrin - Ann (3).pdf"));
}

TEST(PdfStandIn, StandsForTheDefaultPrinterWhenThereIsNone) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a printer";
    QStandardPaths::setTestModeEnabled(true);
    QtPlatform platform(QStringLiteral("oriastra-printing-test"));
    QPrinter* printer = platform.DefaultPrinter("Kestrin Tibetan Astrology", "Pema");
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer->docName(), "Kestrin Tibetan Astrology");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(printer->outputFileName(),
              QDir(documents).filePath("Kestrin Tibetan Astrology - Pema.pdf"));
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace oriastra
