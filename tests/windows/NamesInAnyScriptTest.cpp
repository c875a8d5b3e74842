#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTextLayout>
#include <QTextBlock>

#include "WindowTest.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordLayout.h"
#include "common/windows/InputWindow.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"
#include "common/windows/ReportWindow.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

// Names as people write them in the scripts of the traditions' own lands.
const std::pair<const char*, const char*> kNames[] = {
    {"Myanmar", "\xE1\x80\x99\xE1\x80\xB1\xE1\x80\xAC\xE1\x80\x84\xE1\x80\xBA"
                "\xE1\x80\x99\xE1\x80\xB1\xE1\x80\xAC\xE1\x80\x84\xE1\x80\xBA"},
    {"Arabic", "\xD9\x84\xD9\x8A\xD9\x84\xD9\x89"},
    {"Tibetan", "\xE0\xBD\x96\xE0\xBD\xA6\xE0\xBE\x9F\xE0\xBD\x93\xE0\xBC\x8B"
                "\xE0\xBD\xA0\xE0\xBD\x9B\xE0\xBD\xB2\xE0\xBD\x93"},
    {"Javanese", "\xEA\xA6\xB1\xEA\xA6\xBF\xEA\xA6\xB6"},
};

// Whether every character of the text is drawn from a font that has it: no box in its place.
bool DrawnWithRealGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty()) return false;
    for (const QGlyphRun& run : runs) {
        for (quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) return false;
        }
    }
    return true;
}

class NamesInAnyScript : public WindowTest {
protected:
    InputWindow* OpenRecord(Tradition tradition, const QString& path) {
        Main().cmdSelectOption_Click(tradition->selector.index);
        Settle();
        auto* input = Windows().As<InputWindow>(InputOf(tradition));
        platform.chosenPaths.push_back(path);
        input->OpenSavedReading();
        Settle();
        return input;
    }
};

// A record saved by the command line (or an earlier save) opens with the name exactly as
// written, is shown with real letters in the window and the report, and is saved again with it.
TEST_F(NamesInAnyScript, OpenShowAndSaveAgainKeepTheName) {
    Start();
    for (Tradition tradition : AllTraditions()) {
        if (!tradition->record.nameLine || !tradition->HasReport()) continue;
        for (const auto& [script, name] : kNames) {
            SCOPED_TRACE(std::string(tradition->key) + ", " + script);
            // A Tuesday, so no tradition asks about the afternoon.
            const BirthDetails details{name, 1990, "May", 1, "Female"};
            const QString first = folder.filePath(QString::fromLatin1(script) + "." +
                                                  ToQt(tradition->extension));
            ASSERT_TRUE(WriteRecordFile(FromQt(first),
                                        RecordValues(tradition->record, details, "False")));
            InputWindow* input = OpenRecord(tradition, first);
            EXPECT_EQ(input->panel->txtName->text(), QString::fromUtf8(name));
            EXPECT_TRUE(DrawnWithRealGlyphs(QString::fromUtf8(name), input->panel->txtName->font()));
            ASSERT_TRUE(Windows().IsLoaded(ReadingOf(tradition)));

            auto* report = dynamic_cast<ReportWindow*>(Windows().Show(ReportOf(tradition)));
            ASSERT_NE(report, nullptr);
            Settle();
            EXPECT_TRUE(report->RTB->toPlainText().contains(QString::fromUtf8(name)));
            EXPECT_TRUE(DrawnWithRealGlyphs(QString::fromUtf8(name), report->RTB->document()->defaultFont()));

            const QString second = folder.filePath(QStringLiteral("again-") +
                                                   QString::fromLatin1(script) + "." +
                                                   ToQt(tradition->extension));
            platform.chosenPaths.push_back(second);
            report->cmdSave_Click();
            EXPECT_EQ(*ReadRecordEntries(tradition->record,
                                         ReadRecordFile(FromQt(second),
                                                        RecordLinesToRead(tradition->record)))
                           .panel.name,
                      name);
            EXPECT_TRUE(platform.messages.empty())
                << platform.MessageTexts().join('|').toStdString();
        }
    }
}

}  // namespace
}  // namespace oriastra
