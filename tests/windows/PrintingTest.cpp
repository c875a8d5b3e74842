#include <QDesktopServices>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>

#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/windows/QtPlatform.h"
#include "common/windows/ReportView.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"

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

// The pages of a printed PDF as pdftotext reads them; nothing when it cannot.
std::optional<QStringList> PrintedPages(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return std::nullopt;
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

TEST_F(Printing, EveryLinePrintedOnceAcrossPageBreaks) {
    struct Report {
        const char* tradition;
        TraditionCommands commands;
        ReadingRequest request;
    };
    const Report reports[] = {
        {"tibetan", kTibetanTradition.commands, {{"Pema Dolkar", 1984, "March", 3, "Female"}, "", "Pema Dolkar"}},
        {"burmese", kBurmeseTradition.commands, {{"karma", 1950, "December", 15, ""}, "", "karma"}},
        {"indonesian", kIndonesianTradition.commands, {{"Sari", 1985, "August", 17, ""}, "", "Sari"}},
        {"african", kAfricanTradition.commands, {{"Amara", 1984, "April", 20, ""}, "", "Amara"}},
    };
    struct Paper {
        const char* name;
        QPageSize::PageSizeId size;
    };
    const Paper papers[] = {{"A6", QPageSize::A6}, {"A7", QPageSize::A7}};
    const QFont fonts[] = {QFont(QStringLiteral("Sans Serif"), 10), QFont(QStringLiteral("Serif"), 15)};
    for (const Report& report : reports) {
        ReportView view(platform);
        view.ShowRuns(report.commands.report(report.request));
        const QString expected = Letters(view.toPlainText());
        for (const Paper& paper : papers) {
            for (const QFont& font : fonts) {
                const std::string where = std::string(report.tradition) + " on " + paper.name +
                                          " in " + font.family().toStdString();
                view.document()->setDefaultFont(font);
                const QString pdf = folder.filePath(QStringLiteral("printed.pdf"));
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                printer.setPageSize(QPageSize(paper.size));
                view.PrintTo(&printer, false);
                const auto pages = PrintedPages(pdf);
                ASSERT_TRUE(pages) << "pdftotext could not read " << where;
                EXPECT_GE(pages->size(), 2) << where << ": too short to break a page";
                EXPECT_EQ(Letters(pages->join(QString())), expected) << where;
            }
        }
    }
}

// The report has no page numbers to choose. Qt's own dialog offers page ranges on a CUPS desktop
// whatever its options say, and offers them again when another printer is picked.
TEST_F(Printing, PrintDialogOffersNoPageRange) {
    QtPlatform desktop(QStringLiteral("oriastra-window-tests"));
    int pageChoices = 0;
    ExpectModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        for (auto* choice : dialog->findChildren<QRadioButton*>()) {
            if (!choice->text().startsWith(QStringLiteral("Pages"))) continue;
            ++pageChoices;
            EXPECT_FALSE(choice->isEnabled()) << choice->text().toStdString();
            choice->setEnabled(true);  // as a printer that can pick pages does
            EXPECT_FALSE(choice->isEnabled()) << choice->text().toStdString() << " again";
        }
        dialog->reject();
    });
    EXPECT_EQ(desktop.PrintDialog(false), nullptr);
    EXPECT_EQ(pageChoices, 2) << "\"Pages from\" and \"Pages\"";
}

// Where the documents folder is: a temporary home for as long as it lives.
class TemporaryHome {
public:
    TemporaryHome() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", folder_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", folder_.filePath(QStringLiteral(".config")).toLocal8Bit());
    }
    ~TemporaryHome() {
        qputenv("HOME", home_);
        if (config_.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", config_);
    }
    bool IsValid() const { return folder_.isValid(); }

private:
    QTemporaryDir folder_;
    QByteArray home_, config_;
};

// Stands for the PDF viewer: what the desktop was asked to open.
class Viewer : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url.toLocalFile()); }
};

// Without a printer the report goes to a PDF that the viewer shows; when no viewer can be
// started, a message says where the file is, so printing never seems to do nothing.
TEST_F(Printing, PdfStandInIsShownOrNamed) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a printer";
    TemporaryHome home;
    ASSERT_TRUE(home.IsValid());
    for (const bool viewerStarts : {true, false}) {
        SCOPED_TRACE(viewerStarts ? "viewer" : "no viewer");
        Viewer viewer;
        // A handler that cannot be called makes the desktop fail to open the file.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer,
                                        viewerStarts ? "Open" : "Missing");
        QtPlatform desktop(QStringLiteral("oriastra-window-tests"));
        QPrinter* printer = desktop.DefaultPrinter("Kestrin Tibetan Astrology", "Pema");
        ASSERT_NE(printer, nullptr);
        QPainter(printer).drawText(100, 100, QStringLiteral("Pema"));
        const QString pdf = printer->outputFileName();
        QStringList messages;
        if (!viewerStarts) {
            ExpectModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                messages.push_back(box->text());
                EXPECT_EQ(box->icon(), QMessageBox::Information);
                box->accept();
            });
        }
        desktop.PrintingDone(printer);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        EXPECT_TRUE(QFileInfo(pdf).size() > 0);
        if (viewerStarts) {
            EXPECT_EQ(viewer.opened, QStringList{pdf});
            EXPECT_TRUE(messages.isEmpty());
        } else {
            EXPECT_EQ(messages,
                      QStringList{QStringLiteral("No printer was found, so the report was saved as %1")
                                      .arg(pdf)});
        }
    }
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

#include "PrintingTest.moc"
