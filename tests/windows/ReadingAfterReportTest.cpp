#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/windows/InputWindow.h"
#include "common/windows/QtText.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

// A tradition with a report, and the controls that lead there and away again.
struct ReportCase {
    const char* name;
    Tradition tradition;
    const char* reportButton;
    const char* backEntry;
    friend void PrintTo(const ReportCase& row, std::ostream* os) { *os << row.name; }
};

const ReportCase kCases[] = {
    {"African", kAfricanTradition, "cmdSave", "mnuBack"},
    {"Burmese", kBurmeseTradition, "cmdPrint", "mnuFileBack"},
    {"Indonesian", kIndonesianTradition, "cmdSave", "mnuBack"},
    {"Tibetan", kTibetanTradition, "cmdSave", "mnuBack"},
};

class ReadingAfterReport : public WindowTest, public testing::WithParamInterface<ReportCase> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
    }
    Tradition Of() const { return GetParam().tradition; }
    ChildWindow* Reading() { return Window(ReadingOf(Of())); }
    // The tradition's example person, through the input window's own Calculate step.
    void Calculate() {
        Main().cmdSelectOption_Click(Of()->selector.index);
        Settle();
        auto* input = Windows().As<InputWindow>(InputOf(Of()));
        ASSERT_NE(input, nullptr);
        const ExamplePerson& person = Of()->example;
        BirthDetailsPanel& panel = *input->panel;
        EnterBirthDetails(panel, ToQt(person.name), ToQt(person.month), ToQt(person.day),
                          ToQt(person.year));
        if (panel.optFemale != nullptr) panel.optFemale->setChecked(true);
        input->Calculate();
        Settle();
    }
    // Every caption, text and picture of a window, by control: what its reader sees.
    static QStringList Shown(QWidget* window) {
        QStringList shown;
        for (auto* label : window->findChildren<QLabel*>()) {
            shown.push_back(label->objectName() + ": " + label->text() +
                            (label->pixmap().isNull() ? "" : " [" + label->accessibleName() + "]"));
        }
        for (auto* text : window->findChildren<QPlainTextEdit*>()) {
            shown.push_back(text->objectName() + ": " + text->toPlainText());
        }
        return shown;
    }
};

// However the reading window was closed behind its report, the one that closing the report
// brings back shows the same reading, never the captions it has before any reading.
TEST_P(ReadingAfterReport, ComesBackWithItsReading) {
    for (const char* closing : {GetParam().backEntry, "mnuExit"}) {
        SCOPED_TRACE(closing);
        Calculate();
        ASSERT_NE(Reading(), nullptr);
        const QStringList reading = Shown(Reading());
        Click(Find<QPushButton>(Reading(), GetParam().reportButton));
        ChildWindow* report = Window(ReportOf(Of()));
        ASSERT_NE(report, nullptr);
        Find<QAction>(Reading(), closing)->trigger();
        Settle();
        ASSERT_EQ(Reading(), nullptr);

        report->parentWidget()->close();
        Settle();
        ASSERT_NE(Reading(), nullptr);
        EXPECT_EQ(Shown(Reading()), reading);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTraditionWithAReport, ReadingAfterReport, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace oriastra
