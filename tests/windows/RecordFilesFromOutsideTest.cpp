// Record files that come from outside the windows: the command line, a later copy of the
// program, a drop on the main window.
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/windows/InputWindow.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/RecordOpener.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

struct RecordCase {
    Tradition tradition;
    QString file;
    std::vector<std::string> lines;
    QString name;  // the name box afterwards
};

const RecordCase kRecords[] = {
    {kTibetanTradition, "dawa.tib", {"Dawa", "Male", "29", "February", "1932"}, "Dawa"},
    {kBurmeseTradition, "john.bur", {"JOHN", "5", "January", "1990", "True"}, "JOHN"},
    {kIndonesianTradition, "sarijav", {"Sri", "17", "August", "1945"}, "Sri"},
    {kAfricanTradition, "amara.afa", {"Amara", "5", "January", "1980"}, "Amara"},
    // The numerology record holds no name: the fresh window's empty name box asks for one.
    {kArabicTradition, "nadia.num", {"Other", "x", "y", "March", "21", "1975"}, ""},
};

class RecordFilesFromOutside : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
    }
    InputWindow* Input(Tradition tradition) {
        return Windows().As<InputWindow>(InputOf(tradition));
    }
    bool ReadingShown(Tradition tradition) {
        ChildWindow* reading = Window(ReadingOf(tradition));
        return reading != nullptr && reading->isVisible();
    }
    // A drop of `data` on `target`, as the window system delivers it; whether it was taken.
    static bool Drop(QWidget* target, QMimeData& data, Qt::DropActions actions) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "a move would let the records be removed";
        Settle();
        return drop.isAccepted();
    }
    RecordOpener opener;
};

TEST_F(RecordFilesFromOutside, EachOpensAsItsTraditionsOpenWould) {
    for (const RecordCase& row : kRecords) {
        SCOPED_TRACE(row.file.toStdString());
        Main().OpenRecordFile(WriteRecord(row.file, row.lines));
        Settle();
        ASSERT_NE(Input(row.tradition), nullptr);
        EXPECT_EQ(Input(row.tradition)->panel->txtName->text(), row.name);
        if (row.name.isEmpty()) {
            EXPECT_EQ(platform.MessageTexts(), QStringList({"Please Enter Your Name"}));
            platform.messages.clear();
            continue;
        }
        EXPECT_TRUE(ReadingShown(row.tradition));
        EXPECT_FALSE(Main().IsWelcomePanelVisible());
        // Only the tradition of the last record has windows open.
        for (Tradition other : AllTraditions()) {
            if (other != row.tradition) {
                EXPECT_FALSE(Windows().IsLoaded(InputOf(other)));
            }
        }
    }
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join('|').toStdString();
}

TEST_F(RecordFilesFromOutside, ANameWithNoTraditionsExtensionChangesNothing) {
    Main().OpenRecordFile(WriteRecord("john.bur", kRecords[1].lines));
    Settle();
    for (const char* file : {"dawa.TIB", "notes.txt", "dawa.tib.txt", "-"}) {
        Main().OpenRecordFile(WriteRecord(file, kRecords[0].lines));
        Settle();
    }
    EXPECT_EQ(platform.MessageTexts(), QStringList(4, "Please Check The File."));
    EXPECT_EQ(platform.messages.back().icon, MessageIcon::Error);
    EXPECT_TRUE(ReadingShown(kBurmeseTradition)) << "the reading on screen stays";
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));
}

TEST_F(RecordFilesFromOutside, FilesWaitForTheMainWindowThenOpenInTheirOrder) {
    opener.Open({WriteRecord("dawa.tib", kRecords[0].lines), folder.filePath("notes.txt"),
                 WriteRecord("sarijav", kRecords[2].lines)});
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition))) << "opened before it was served";
    Main().showMinimized();
    opener.Serve(Main());
    Settle();
    EXPECT_EQ(platform.MessageTexts(), QStringList({"Please Check The File."}));
    EXPECT_TRUE(ReadingShown(kIndonesianTradition));
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));

    opener.Open({WriteRecord("john.bur", kRecords[1].lines)});
    Settle();
    EXPECT_FALSE(Main().windowState() & Qt::WindowMinimized) << "the main window comes forward";
    EXPECT_TRUE(ReadingShown(kBurmeseTradition));
}

// A file that arrives while a dialog waits for the user opens once it is closed: the windows
// the dialog belongs to are not closed under it.
TEST_F(RecordFilesFromOutside, FilesWaitWhileADialogIsOpen) {
    opener.Serve(Main());
    Main().cmdSelectOption_Click(kTibetanTradition.selector.index);
    Settle();
    bool openedUnderTheDialog = true;
    ExpectModal([&](QWidget* modal) {
        opener.Open({WriteRecord("john.bur", kRecords[1].lines)});
        // The next look at the dialog comes after the opener has had its turn.
        ExpectModal([&, modal](QWidget*) {
            openedUnderTheDialog = Windows().IsLoaded(ReadingOf(kBurmeseTradition));
            static_cast<QDialog*>(modal)->accept();
        });
    });
    QDialog dialog(&Main());
    dialog.exec();
    EXPECT_FALSE(openedUnderTheDialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadingShown(kBurmeseTradition); }, 5000));
}

TEST_F(RecordFilesFromOutside, DroppedFilesOpenAndNeverBecomeText) {
    opener.Serve(Main());
    Main().cmdSelectOption_Click(kTibetanTradition.selector.index);
    Settle();
    QLineEdit* name = Input(kTibetanTradition)->panel->txtName;
    name->setText("Pema");

    QMimeData text;
    text.setText("Tenzin");
    text.setUrls({QUrl("https://www.example.org/reading.bur")});
    Drop(name, text, Qt::CopyAction | Qt::MoveAction);
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kBurmeseTradition))) << "a web address is no file";

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(WriteRecord("john.bur", kRecords[1].lines))});
    EXPECT_TRUE(Drop(name, files, Qt::CopyAction | Qt::MoveAction));
    EXPECT_TRUE(ReadingShown(kBurmeseTradition));

    // On the welcome panel too, and a drop that can only move is refused.
    Main().lblCaption_Click(0);
    Settle();
    files.setUrls({QUrl::fromLocalFile(WriteRecord("amara.afa", kRecords[3].lines))});
    EXPECT_FALSE(Drop(Main().picMain, files, Qt::MoveAction));
    EXPECT_TRUE(Drop(Main().picMain, files, Qt::CopyAction));
    EXPECT_TRUE(ReadingShown(kAfricanTradition));
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join('|').toStdString();
}

}  // namespace
}  // namespace oriastra
