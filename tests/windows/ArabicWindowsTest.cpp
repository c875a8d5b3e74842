#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "WindowTest.h"
#include "arabic/logic/ArabicState.h"
#include "arabic/logic/ArabicTexts.h"
#include "arabic/logic/ArabicTradition.h"
#include "arabic/windows/ShowArabicSign.h"
#include "arabic/windows/frmArabicAstrologyDisplay.h"
#include "arabic/windows/frmArabicAstrologyMain.h"
#include "common/logic/RecordFile.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"

namespace oriastra {
namespace {

class ArabicWindows : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        Main().cmdSelectOption_Click(1);
        Settle();
    }
    frmArabicAstrologyMain* Input() {
        return Windows().As<frmArabicAstrologyMain>(InputOf(kArabicTradition));
    }
    frmArabicAstrologyDisplay* Display() {
        return Windows().As<frmArabicAstrologyDisplay>(ReadingOf(kArabicTradition));
    }
    void Enter(const QString& name, const QString& month, const QString& day, const QString& year) {
        EnterBirthDetails(*Input()->panel, name, month, day, year);
    }
    void Calculate() { Click(Input()->cmdNext); }
    // What the reading window shows, as one line per piece.
    QStringList Shown() {
        frmArabicAstrologyDisplay& display = *Display();
        return {display.lblResult[1]->text(), display.lblResult[2]->text(),
                display.lblResult[0]->text(), display.picArabic->property("picture").toString(),
                display.picZodiac->property("picture").toString()};
    }
    void Open(const QString& path) { ClickChoosing(Input()->cmdOpen, path); }
};

// The description as the view shows it: each CR LF joint is one line break.
QString Description(int row) { return ToQt(ArabicSignText(row)).replace("\r\n", "\n"); }

const QStringList kCapricorn = {"Jadee", "Al Hadiy", "Capricorn",
                                ":/frmArabicAstrologyDisplay/urdu-09-jadi.svg",
                                ":/frmArabicAstrologyDisplay/zodiac-09-jadee.svg"};
const QStringList kAquarius = {"Dalwa", "Ad Halw", "Aquarius",
                               ":/frmArabicAstrologyDisplay/urdu-10-dalw.svg",
                               ":/frmArabicAstrologyDisplay/zodiac-10-dalwa.svg"};
const QStringList kAries = {"Hamal", "Al Haml", "Aries",
                            ":/frmArabicAstrologyDisplay/urdu-00-hamal.svg",
                            ":/frmArabicAstrologyDisplay/zodiac-00-hamal.svg"};

TEST_F(ArabicWindows, CalculateBackAndAnotherDateReplaceEverythingShown) {
    Enter("Nadia", "January", "19", "1975");
    Calculate();
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_FALSE(Input()->isVisible()) << "hidden, still loaded";
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(Shown(), kCapricorn);
    EXPECT_TRUE(Display()->isAncestorOf(QApplication::focusWidget())) << "the focus came along";
    EXPECT_EQ(Display()->RTB->toPlainText(), Description(9));
    EXPECT_EQ(State().traditions.Of<ArabicState>().WesternSunSign, "Capricorn");
    EXPECT_EQ(State().birthDetails.name, "Nadia");

    QTest::mouseClick(Display()->cmdBack, Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kArabicTradition)));
    ASSERT_TRUE(Input()->isVisible());
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(Input()->panel->txtName->text(), "Nadia");
    EXPECT_EQ(Input()->panel->cboDate->currentText(), "19");
    EXPECT_TRUE(Input()->isAncestorOf(QApplication::focusWidget())) << "the focus came back";

    Input()->panel->cboDate->setCurrentText("20");
    Calculate();
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Shown(), kAquarius);
    EXPECT_EQ(Display()->RTB->toPlainText(), Description(10)) << "nothing left of Capricorn";
}

TEST_F(ArabicWindows, ReadingWindowLayout) {
    Enter("Nadia", "August", "2", "1984");
    Calculate();
    frmArabicAstrologyDisplay& display = *Display();
    EXPECT_EQ(display.windowTitle(), "Kestrin Arabic Astrology");
    EXPECT_EQ(display.fraResult->title(), "Kestrin Arabic Astrology Result");
    for (QWidget* inside : {static_cast<QWidget*>(display.picArabic),
                            static_cast<QWidget*>(display.picZodiac),
                            static_cast<QWidget*>(display.RTB)}) {
        EXPECT_TRUE(display.fraResult->isAncestorOf(inside)) << inside->objectName().toStdString();
    }
    QStringList captions;
    for (QLabel* label : display.lblLabel) captions << label->text();
    EXPECT_EQ(captions,
              (QStringList{"English Sun Sign", "Arabic Sun Sign", "Phonetic", "Urdu Name"}));
    EXPECT_TRUE(display.lblResult[1]->font().bold());
    EXPECT_TRUE(display.lblResult[2]->font().bold());
    EXPECT_GT(display.lblResult[1]->font().pointSizeF(),
              display.lblResult[2]->font().pointSizeF() * 1.5);
    EXPECT_EQ(display.lblResult[2]->font().pointSizeF(), display.lblResult[0]->font().pointSizeF());
    EXPECT_EQ(display.picArabic->pixmap().deviceIndependentSize(), QSizeF(51, 29));
    EXPECT_EQ(display.picZodiac->pixmap().deviceIndependentSize(), QSizeF(200, 200));
    EXPECT_TRUE(display.RTB->isReadOnly());
    EXPECT_EQ(display.cmdExit->text(), "E&xit");
    EXPECT_EQ(display.cmdBack->text(), "&Back");
    EXPECT_LT(display.cmdExit->x(), display.cmdBack->x());

    QStringList entries;
    for (QAction* entry : display.findChild<QMenu*>("mnuFile")->actions()) {
        entries << (entry->isSeparator() ? "-" : entry->text());
    }
    EXPECT_EQ(entries, (QStringList{"&Print", "&Back", "-", "E&xit"}));
    QAction* print = display.findChild<QAction*>("mnuPrint");
    ASSERT_NE(print, nullptr);
    EXPECT_FALSE(print->isEnabled()) << "switched off like Make Money Online";
    EXPECT_EQ(display.findChild<QAction*>("mnuUpdate")->text(), "Check for Software &Update");

    auto* sponsor = Find<QLabel>(&display, "Label14");
    EXPECT_TRUE(sponsor->text().endsWith(" Now")) << "no final full stop here";
    QTest::mouseClick(sponsor, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(platform.openedPages.size(), 1);
}

TEST_F(ArabicWindows, BeforeAnyReadingTheWindowHoldsItsInitialCaptionsAndPictures) {
    Windows().Load(ReadingOf(kArabicTradition));
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Shown(), (QStringList{"Label1", "Label1", "Label1",
                                    ":/frmArabicAstrologyDisplay/urdu-00-hamal.svg",
                                    ":/frmArabicAstrologyDisplay/zodiac-00-hamal.svg"}));
    EXPECT_TRUE(Display()->RTB->toPlainText().isEmpty());
    // A name that is in no row leaves the window as it was.
    ShowArabicSign(Windows(), "Ram");
    EXPECT_EQ(Display()->lblResult[0]->text(), "Label1");
    // A window that is still loaded holds only the latest description, never two.
    ShowArabicSign(Windows(), "Leo");
    ShowArabicSign(Windows(), "Virgo");
    EXPECT_EQ(Display()->lblResult[0]->text(), "Virgo");
    EXPECT_EQ(Display()->RTB->toPlainText(), Description(5));
}

TEST_F(ArabicWindows, ExitAndMenuExitLeaveOnlyTheWelcomePanel) {
    for (const char* way : {"cmdExit", "mnuExit"}) {
        Enter("Nadia", "May", "5", "1990");
        if (Display() == nullptr) Calculate();
        ASSERT_NE(Display(), nullptr) << way;
        if (QString(way) == "cmdExit") {
            QTest::mouseClick(Display()->cmdExit, Qt::LeftButton);
        } else {
            Display()->findChild<QAction*>(way)->trigger();
        }
        Settle();
        EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kArabicTradition))) << way;
        EXPECT_FALSE(Input()->isVisible()) << way << ": loaded but hidden";
        EXPECT_TRUE(Main().IsWelcomePanelVisible()) << way;
        Main().cmdSelectOption_Click(1);
        Settle();
    }
}

TEST_F(ArabicWindows, OpenTakesTheDateFromANumerologyFileAndKeepsTheName) {
    const QString path = WriteRecord("nadia.num", {"Nadia Karim", "7", "x", "March", "21", "1975"});
    Open(path);
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(platform.dialogs[0].title, "Select the source file");
    EXPECT_EQ(platform.dialogs[0].filter, "Kestrin Free Numerology Pro (*.num)|*.num");
    EXPECT_EQ(platform.dialogs[0].defaultExtension, "num");
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Enter Your Name"});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kArabicTradition)));
    EXPECT_EQ(Input()->panel->cboMonth->currentText(), "March") << "the lists took the date";

    Enter("Sam", "January", "1", "1900");
    Open(path);
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Shown(), kAries);
    EXPECT_EQ(State().birthDetails.name, "Sam");
    EXPECT_EQ(State().birthDetails.year, 1975);
}

TEST_F(ArabicWindows, RefusedAndShortFiles) {
    Enter("Sam", "June", "15", "1980");
    Open(WriteRecord("x.NUM", {"a", "b", "c", "March", "21", "1975"}));
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Check The File."});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(Input()->panel->cboMonth->currentText(), "June");
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kArabicTradition)));

    // Four lines: only the month is given; day and year stay as they were. 15 July is Cancer.
    Open(WriteRecord("short.num", {"a", "b", "c", "July"}));
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Input()->panel->cboDate->currentText(), "15");
    EXPECT_EQ(Input()->panel->cboYear->currentText(), "1980");
    EXPECT_EQ(Display()->lblResult[0]->text(), "Cancer");
}

TEST_F(ArabicWindows, TheHiddenOpenButtonIsReachedByAltOAndTab) {
    frmArabicAstrologyMain& input = *Input();
    EXPECT_GE(input.cmdOpen->y(), input.height()) << "below the client area";
    EXPECT_TRUE(input.cmdOpen->isVisible()) << "out of sight, not hidden";

    input.cmdNext->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), input.cmdNext);
    QTest::keyClick(input.cmdNext, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), input.cmdOpen) << "Tab goes from Calculate to Open";

    // An access key clicks its button a moment later, as the button shows itself pressed.
    QTest::keyClick(input.panel->txtName, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !platform.dialogs.empty(); }, 2000));
    EXPECT_EQ(platform.dialogs.size(), 1U) << "Alt+O opened the dialog";
}

}  // namespace
}  // namespace oriastra
