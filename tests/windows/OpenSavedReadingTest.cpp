#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include "FifoGuard.h"
#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/logic/RecordFile.h"
#include "common/windows/InputWindow.h"
#include "common/windows/QtText.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

// One tradition's Open, as the input window runs it through the shared routine.
struct OpenCase {
    const char* name;
    Tradition tradition;
    QString typed;                    // in the name box before Open
    std::vector<std::string> record;  // the decoded lines written to the file
    QString shownName;                // what the name box shows afterwards
    QString day, month, year;         // what the lists show afterwards
    QString nameMessage;              // the validation message of a record without a name
    friend void PrintTo(const OpenCase& row, std::ostream* os) { *os << row.name; }
};

const OpenCase kCases[] = {
    {"African", kAfricanTradition, "", {"Amara", "5", "January", "1980"}, "Amara", "5",
     "January", "1980", "Please Enter Your Name"},
    // The numerology record gives only the date; the name box keeps what was typed.
    {"Arabic", kArabicTradition, "Nadia", {"Other", "x", "y", "March", "21", "1975"}, "Nadia",
     "21", "March", "1975", "Please Enter Your Name"},
    // The fifth line answers the Wednesday question; 5 January 1990 is a Friday.
    {"Burmese", kBurmeseTradition, "", {"JOHN", "5", "January", "1990", "True"}, "JOHN", "5",
     "January", "1990", "Please Enter Your Name !"},
    {"Indonesian", kIndonesianTradition, "", {"Sri", "17", "August", "1945"}, "Sri", "17",
     "August", "1945", "Please Enter Your Name"},
    {"Tibetan", kTibetanTradition, "", {"Dawa", "Male", "29", "February", "1932"}, "Dawa", "29",
     "February", "1932", "Please Enter Your Name"},
};

class OpenSavedReading : public WindowTest, public testing::WithParamInterface<OpenCase> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        Main().cmdSelectOption_Click(GetParam().tradition->selector.index);
        Settle();
        Input()->panel->txtName->setText(GetParam().typed);
    }
    InputWindow* Input() { return Windows().As<InputWindow>(InputOf(GetParam().tradition)); }
    QString Extension() const { return QString::fromLatin1(Describe(GetParam().tradition).extension.data()); }
    QString Write(const QString& file, const std::vector<std::string>& lines) {
        const QString path = folder.filePath(file);
        EXPECT_TRUE(WriteRecordFile(path.toStdString(), lines));
        return path;
    }
    void Open(const std::optional<QString>& path) {
        platform.chosenPaths.push_back(path);
        Input()->OpenSavedReading();
        Settle();
    }
};

TEST_P(OpenSavedReading, FillsThePanelAndShowsTheReading) {
    Open(Write("saved." + Extension(), GetParam().record));
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(platform.dialogs[0].title, "Select the source file");
    EXPECT_EQ(platform.dialogs[0].defaultExtension, Extension());
    const BirthDetailsPanel& panel = *Input()->panel;
    EXPECT_EQ(panel.txtName->text(), GetParam().shownName);
    EXPECT_EQ(panel.cboDate->currentText(), GetParam().day);
    EXPECT_EQ(panel.cboMonth->currentText(), GetParam().month);
    EXPECT_EQ(panel.cboYear->currentText(), GetParam().year);
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join('|').toStdString();
    ASSERT_TRUE(Windows().IsLoaded(ReadingOf(GetParam().tradition)));
    EXPECT_TRUE(Windows().Window(ReadingOf(GetParam().tradition))->isVisible());
    EXPECT_FALSE(Input()->isVisible());
}

TEST_P(OpenSavedReading, RefusesAnExtensionInCapitalsAndAcceptsOneWithoutADot) {
    Open(Write("saved." + Extension().toUpper(), GetParam().record));
    ASSERT_EQ(platform.MessageTexts(), QStringList({"Please Check The File."}));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(GetParam().tradition)));
    EXPECT_EQ(Input()->panel->cboYear->currentIndex(), 0) << "nothing was filled";

    Open(Write("saved" + Extension(), GetParam().record));
    EXPECT_TRUE(Windows().IsLoaded(ReadingOf(GetParam().tradition)));
}

TEST_P(OpenSavedReading, CancelChangesNothing) {
    Open(std::nullopt);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(GetParam().tradition)));
    EXPECT_TRUE(Input()->isVisible());
}

TEST_P(OpenSavedReading, AMissingFileOrAnEmptyOneLeavesTheListsAndAsksForTheName) {
    Input()->panel->txtName->clear();
    Input()->panel->cboYear->setCurrentIndex(3);
    const QString year = Input()->panel->cboYear->currentText();
    Open(Write("empty." + Extension(), {}));
    Open(folder.filePath("gone." + Extension()));
    EXPECT_EQ(platform.MessageTexts(), QStringList({GetParam().nameMessage, GetParam().nameMessage}));
    EXPECT_EQ(Input()->panel->cboYear->currentText(), year);
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(GetParam().tradition)));
}

TEST_P(OpenSavedReading, AFifoOrAFolderIsAFileThatCannotBeReadAndNothingWaits) {
    Input()->panel->txtName->clear();
    const QString fifo = folder.filePath("pipe." + Extension());
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString sub = folder.filePath("folder." + Extension());
    ASSERT_TRUE(QDir().mkdir(sub));
    EXPECT_TRUE(ReturnsWithoutAWriter(FromQt(fifo), [&] { Open(fifo); }))
        << "the window waited for a writer";
    Open(sub);
    EXPECT_EQ(platform.MessageTexts(), QStringList({GetParam().nameMessage, GetParam().nameMessage}));
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(GetParam().tradition)));
}

INSTANTIATE_TEST_SUITE_P(EveryTraditionWithOpen, OpenSavedReading, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace oriastra
