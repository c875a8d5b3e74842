#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

struct InputCase {
    const char* name;
    int buttonIndex;
    WindowId window;
    const char* calculate;
    QString firstYear;
    QString lastYear;
    bool asksSex;
    bool spacesPass;
    QString nameMessage;
    MessageIcon nameIcon;
    bool focusName;
    friend void PrintTo(const InputCase& row, std::ostream* os) { *os << row.name; }
};

class InputWindows : public WindowTest, public ::testing::WithParamInterface<InputCase> {
protected:
    QWidget* OpenWindow() {
        Start();
        Main().cmdSelectOption_Click(GetParam().buttonIndex);
        Settle();
        return Window(GetParam().window);
    }
    void Enter(QWidget* window, const QString& name, const QString& month, const QString& day,
               const QString& year, const char* sex = "optMale") {
        Find<QLineEdit>(window, "txtName")->setText(name);
        auto select = [&](const char* list, const QString& text) {
            auto* combo = Find<QComboBox>(window, list);
            combo->setCurrentIndex(combo->findText(text));
        };
        select("cboMonth", month);
        select("cboDate", day);
        select("cboYear", year);
        if (GetParam().asksSex && sex != nullptr) Find<QRadioButton>(window, sex)->setChecked(true);
    }
    void Calculate(QWidget* window) {
        QTest::mouseClick(Find<QPushButton>(window, GetParam().calculate), Qt::LeftButton);
    }
};

TEST_P(InputWindows, ListsAreFilledWithDefaultsSelected) {
    QWidget* window = OpenWindow();
    ASSERT_NE(window, nullptr);
    auto* month = Find<QComboBox>(window, "cboMonth");
    auto* day = Find<QComboBox>(window, "cboDate");
    auto* year = Find<QComboBox>(window, "cboYear");
    EXPECT_EQ(month->count(), 12);
    EXPECT_EQ(month->itemText(11), "December");
    EXPECT_EQ(day->count(), 31);
    EXPECT_EQ(day->itemText(4), "5");
    EXPECT_EQ(year->itemText(0), GetParam().firstYear);
    EXPECT_EQ(year->itemText(year->count() - 1), GetParam().lastYear);
    EXPECT_EQ(year->count(), GetParam().lastYear.toInt() - GetParam().firstYear.toInt() + 1);
    EXPECT_EQ(month->currentText(), "January");
    EXPECT_EQ(day->currentText(), "1");
    EXPECT_EQ(year->currentText(), GetParam().firstYear);
    EXPECT_FALSE(month->isEditable());
    EXPECT_EQ(Find<QLineEdit>(window, "txtName")->text(), "");
    EXPECT_EQ(window->findChild<QRadioButton*>("optMale") != nullptr, GetParam().asksSex);
    if (GetParam().asksSex) {
        EXPECT_FALSE(Find<QRadioButton>(window, "optMale")->isChecked());
        EXPECT_FALSE(Find<QRadioButton>(window, "optFemale")->isChecked());
    }
}

TEST_P(InputWindows, EmptyNameGivesOnlyTheNameMessage) {
    QWidget* window = OpenWindow();
    Enter(window, "", "February", "31", GetParam().firstYear);
    Calculate(window);  // the click puts the focus on the button
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, GetParam().nameMessage);
    EXPECT_EQ(platform.messages[0].icon, GetParam().nameIcon);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    QWidget* focused = QApplication::focusWidget();
    if (GetParam().focusName) {
        EXPECT_EQ(focused, Find<QLineEdit>(window, "txtName"));
    }
    else EXPECT_EQ(focused, Find<QPushButton>(window, GetParam().calculate));
}

TEST_P(InputWindows, NameOfSpacesPassesOnlyWhereUntrimmed) {
    QWidget* window = OpenWindow();
    Enter(window, "   ", "March", "31", GetParam().firstYear);
    Calculate(window);
    EXPECT_EQ(platform.messages.empty(), GetParam().spacesPass);
}

TEST_P(InputWindows, DateRulesAndMessages) {
    struct DateCase {
        const char* month;
        const char* day;
        int yearOffsetToLeap;  // years after the first leap year of the range
        const char* message;   // nullptr: accepted
    };
    const std::vector<DateCase> cases = {
        {"February", "29", 0, nullptr},
        {"February", "29", 1, "Please Enter Correct Date Or Month!"},
        {"February", "30", 0, "Please Enter Correct Date Or Month!"},
        {"February", "31", 2, "Please Enter Correct Date Or Month!"},
        {"April", "31", 0, "Please Enter Correct Date Or Month !"},
        {"November", "31", 1, "Please Enter Correct Date Or Month !"},
        {"March", "31", 1, nullptr},
        {"December", "31", 3, nullptr},
    };
    QWidget* window = OpenWindow();
    int firstLeap = GetParam().firstYear.toInt();
    while (firstLeap % 4 != 0) ++firstLeap;
    for (const DateCase& row : cases) {
        platform.messages.clear();
        Enter(window, "Ann", row.month, row.day, QString::number(firstLeap + row.yearOffsetToLeap));
        Calculate(window);
        const std::string label = std::string(row.month) + " " + row.day;
        if (row.message == nullptr) {
            EXPECT_TRUE(platform.messages.empty()) << label;
            EXPECT_EQ(State().birthDetails.month, row.month) << label;
            EXPECT_EQ(State().birthDetails.day, QString(row.day).toInt()) << label;
        } else {
            ASSERT_EQ(platform.messages.size(), 1U) << label;
            EXPECT_EQ(platform.messages[0].text, row.message) << label;
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information) << label;
        }
    }
}

TEST_P(InputWindows, AcceptedEntryIsStoredTrimmed) {
    QWidget* window = OpenWindow();
    Enter(window, "  Dawa Norbu ", "July", "4", GetParam().lastYear, "optFemale");
    Calculate(window);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(State().birthDetails.name, "Dawa Norbu");
    EXPECT_EQ(State().birthDetails.year, GetParam().lastYear.toInt());
    EXPECT_EQ(State().birthDetails.sex, GetParam().asksSex ? "Female" : "");
}

INSTANTIATE_TEST_SUITE_P(
    FiveWindows, InputWindows,
    ::testing::Values(
        InputCase{"Tibetan", 4, InputOf(kTibetanTradition), "cmdCalculate", "1930", "2030", true,
                  false, "Please Enter Your Name", MessageIcon::Error, false},
        InputCase{"African", 0, InputOf(kAfricanTradition), "cmdCalculate", "1900", "2016", false,
                  false, "Please Enter Your Name", MessageIcon::Error, true},
        InputCase{"Indonesian", 3, InputOf(kIndonesianTradition), "cmdCalculate", "1901", "2036",
                  false, false, "Please Enter Your Name", MessageIcon::Error, true},
        InputCase{"Arabic", 1, InputOf(kArabicTradition), "cmdNext", "1900", "2050", false, true,
                  "Please Enter Your Name", MessageIcon::Error, true},
        InputCase{"Burmese", 2, InputOf(kBurmeseTradition), "cmdGenerateChart", "1901", "2050", false,
                  true, "Please Enter Your Name !", MessageIcon::Information, true}),
    [](const auto& info) { return std::string(info.param.name); });

class TibetanPanel : public WindowTest {};

class BurmesePanel : public WindowTest {
protected:
    // The Burmese name box, with the keyboard focus.
    QLineEdit* NameBox() {
        Start();
        Main().cmdSelectOption_Click(2);
        auto* name = Find<QLineEdit>(Window(InputOf(kBurmeseTradition)), "txtName");
        name->setFocus();
        return name;
    }
};

TEST_F(TibetanPanel, MissingSexIsAskedBeforeTheDate) {
    Start();
    Main().cmdSelectOption_Click(4);
    QWidget* window = Window(InputOf(kTibetanTradition));
    Find<QLineEdit>(window, "txtName")->setText("Ann");
    auto* month = Find<QComboBox>(window, "cboMonth");
    month->setCurrentIndex(1);
    Find<QComboBox>(window, "cboDate")->setCurrentIndex(30);
    QTest::mouseClick(Find<QPushButton>(window, "cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Select Your Sex"});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
}

TEST_F(BurmesePanel, NameKeysAreCapitalLettersOnly) {
    QLineEdit* name = NameBox();
    QTest::keyClicks(name, "ab1");
    EXPECT_EQ(name->text(), "AB");
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Enter Only Alphabet"});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    QTest::keyClicks(name, " C");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "AB ");
    EXPECT_EQ(platform.messages.size(), 1U);
}

// X11 gives the Delete key the text DEL (0x7F); it deletes, as every editing key does.
TEST_F(BurmesePanel, TheDeleteKeyDeletesWithoutAMessage) {
    QLineEdit* name = NameBox();
    QTest::keyClicks(name, "abc");
    QTest::keyClick(name, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    EXPECT_EQ(name->text(), "BC");
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join('|').toStdString();
}

}  // namespace
}  // namespace oriastra
