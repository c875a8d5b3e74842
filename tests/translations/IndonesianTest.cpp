#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <map>
#include <set>

#include "ExampleReading.h"
#include "ShownTexts.h"
#include "TranslationFile.h"
#include "WindowTest.h"
#include "burmese/logic/modBurmese.h"
#include "common/logic/BirthDetailsRules.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordLayout.h"
#include "common/logic/TranslatedText.h"
#include "common/windows/InputWindow.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportWindow.h"
#include "common/windows/Translations.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "registry/logic/TraditionRegistry.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

const QString kIndonesianFile = QStringLiteral(ORIASTRA_SOURCE_DIR "/translations/oriastra_id.ts");
const QString kToolkitFile = QStringLiteral(ORIASTRA_SOURCE_DIR "/translations/toolkit_id.ts");

const std::vector<TranslatedMessage>& Indonesian() {
    static const std::vector<TranslatedMessage> messages = ReadTranslationFile(kIndonesianFile);
    return messages;
}

// The access keys of a caption: "&" before anything but another "&", which is one ampersand.
int AccessKeys(const QString& text) {
    return static_cast<int>(QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%L?\\d|%n")).globalMatch(text)) {
        found.push_back(match.captured());
    }
    found.sort();
    return found;
}

// What a file dialog reads from a filter: from " (" or " |" of "Description (*.ext)|*.ext" on.
QString FilterPattern(const QString& text) {
    const QRegularExpression pattern(QStringLiteral(" (\\(\\*\\.[^)]*\\))?\\|.*$|\\|.*$"));
    const auto match = pattern.match(text);
    return match.hasMatch() ? match.captured() : QString();
}

TEST(IndonesianTranslation, EveryTextIsTranslatedAndKeepsWhatTheProgramReads) {
    for (const QString& file : {kIndonesianFile, kToolkitFile}) {
        const auto messages = ReadTranslationFile(file);
        ASSERT_FALSE(messages.empty()) << "cannot read " << file.toStdString();
        for (const TranslatedMessage& message : messages) {
            SCOPED_TRACE(message.context.toStdString() + ": " + message.source.toStdString());
            EXPECT_TRUE(message.type.isEmpty()) << "marked " << message.type.toStdString();
            EXPECT_FALSE(message.translation.trimmed().isEmpty());
            EXPECT_EQ(Placeholders(message.translation), Placeholders(message.source));
            EXPECT_EQ(AccessKeys(message.translation), AccessKeys(message.source));
            EXPECT_EQ(message.translation.count(QLatin1Char('\n')),
                      message.source.count(QLatin1Char('\n')));
            EXPECT_EQ(FilterPattern(message.translation), FilterPattern(message.source));
        }
    }
}

// The toolkit finds a text by its context, source and comment exactly as it asks for it; its
// own German translation, which Debian ships, knows every text it asks for.
TEST(IndonesianTranslation, GivesTheToolkitTextsItAsksFor) {
    QTranslator german;
    if (!german.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        GTEST_SKIP() << "the toolkit's translations are not installed (qt6-translations-l10n)";
    }
    const auto messages = ReadTranslationFile(kToolkitFile);
    ASSERT_FALSE(messages.empty());
    for (const TranslatedMessage& message : messages) {
        const QByteArray context = message.context.toUtf8();
        const QByteArray source = message.source.toUtf8();
        const QByteArray comment = message.comment.toUtf8();
        const char* disambiguation = comment.isEmpty() ? nullptr : comment.constData();
        EXPECT_FALSE(german.translate(context, source, disambiguation).isEmpty())
            << "the toolkit never asks for " << context.toStdString() << ": "
            << source.toStdString();
    }
}

// A text added to the sources without a translation, or one whose English changed, is found
// by the same tool that refreshes the file.
TEST(IndonesianTranslation, ListsExactlyTheTextsOfTheSources) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fresh = folder.filePath(QStringLiteral("fresh_id.ts"));
    QStringList arguments = QStringLiteral(ORIASTRA_LUPDATE_ALIASES).split(QLatin1Char(' '));
    arguments << QStringLiteral("-silent") << QStringLiteral("-no-obsolete")
              << QStringLiteral(ORIASTRA_SOURCE_DIR "/src") << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORIASTRA_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const auto key = [](const TranslatedMessage& message) {
        return (message.context + QLatin1Char('\x04') + message.source).toStdString();
    };
    std::set<std::string> inSources;
    for (const auto& message : ReadTranslationFile(fresh)) inSources.insert(key(message));
    std::set<std::string> inFile;
    for (const auto& message : Indonesian()) inFile.insert(key(message));
    ASSERT_FALSE(inSources.empty());
    std::vector<std::string> missing;
    std::vector<std::string> stale;
    std::set_difference(inSources.begin(), inSources.end(), inFile.begin(), inFile.end(),
                        std::back_inserter(missing));
    std::set_difference(inFile.begin(), inFile.end(), inSources.begin(), inSources.end(),
                        std::back_inserter(stale));
    EXPECT_TRUE(missing.empty()) << "not in the translation (run the translations-update target): "
                                 << missing.front();
    EXPECT_TRUE(stale.empty()) << "no longer in the sources: " << stale.front();
}

class IndonesianWindows : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
    }
};

// An English text on screen whose Indonesian differs was not looked up, or was looked up under
// another context than the one the translation lists it under.
TEST_F(IndonesianWindows, ShowNoEnglishTextThatHasATranslation) {
    std::map<QString, QString> english;
    std::vector<TranslatedMessage> headings;
    for (const TranslatedMessage& message : Indonesian()) {
        if (message.translation == message.source) continue;
        english.emplace(message.source, message.context);
        if (message.context == QLatin1String("Reports") && message.source.size() > 4) {
            headings.push_back(message);
        }
    }
    int windows = 0;
    VisitEveryWindow(*program_, platform, [&](const QWidget& root) {
        ++windows;
        for (const QString& text : ShownTexts(root)) {
            const auto found = english.find(text);
            EXPECT_TRUE(found == english.end())
                << "English in " << root.objectName().toStdString() << ": " << text.toStdString();
            // Reports hold their headings inside one long text.
            for (const TranslatedMessage& heading : headings) {
                EXPECT_FALSE(text.contains(heading.source))
                    << "English heading \"" << heading.source.toStdString() << "\" in "
                    << text.left(60).toStdString();
            }
        }
    });
    EXPECT_GT(windows, 10);
    // The message each tradition gives for a missing name, its own in some.
    for (Tradition tradition : AllTraditions()) {
        InputWindow* input = OpenInput(Main(), tradition);
        ASSERT_NE(input, nullptr);
        const std::size_t before = platform.messages.size();
        input->Calculate();
        Settle();
        ASSERT_EQ(platform.messages.size(), before + 1) << tradition->key;
        EXPECT_TRUE(platform.messages.back().text.startsWith(QStringLiteral("Silakan")))
            << platform.messages.back().text.toStdString();
    }
}

// A caption the sources never hand to the translation shows in English under any language: the
// windows' captions are taken in English and in Indonesian, step by step, and compared.
TEST_F(IndonesianWindows, LeaveNoCaptionOfTheEnglishWindowsAsItWas) {
    const auto captionsOfEveryWindow = [this] {
        std::vector<QStringList> steps;
        VisitEveryWindow(*program_, platform,
                         [&steps](const QWidget& root) { steps.push_back(CaptionTexts(root)); });
        return steps;
    };
    const std::vector<QStringList> indonesian = captionsOfEveryWindow();
    program_.reset();
    Settle();
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    SetTextTranslator(nullptr);
    Start();
    const std::vector<QStringList> english = captionsOfEveryWindow();
    program_.reset();
    Settle();
    ASSERT_TRUE(LoadTranslations());
    Start();

    // The same in both languages by nature: the program's name, the texts whose translation is
    // the English word, and the Burmese chart, whose houses and planets are read from its
    // tables like any reading's values.
    QSet<QString> kept = {QStringLiteral("Kestrin Oriastra v1.25"),
                          QStringLiteral("Kestrin Oriastra")};
    for (const TranslatedMessage& message : Indonesian()) {
        if (message.translation == message.source) kept.insert(message.source);
    }
    HouseTexts houses;
    LoadHouseTexts(houses);
    for (int house = 1; house <= 7; ++house) {
        kept << ToQt(HouseBoxCaption(house)) << ToQt(houses.HouseName[house - 1])
             << ToQt(houses.HouseDescription[house - 1]);
    }
    for (int eraYear = 0; eraYear < 7; ++eraYear) {
        for (std::string_view planet : PlaceHousePlanets(eraYear)) kept << ToQt(planet);
    }
    ASSERT_EQ(indonesian.size(), english.size());
    for (std::size_t step = 0; step < english.size(); ++step) {
        const QSet<QString> before(english[step].begin(), english[step].end());
        for (const QString& text : indonesian[step]) {
            EXPECT_TRUE(!before.contains(text) || kept.contains(text))
                << "step " << step << ", not translated: " << text.toStdString();
        }
    }
}

TEST_F(IndonesianWindows, CaptionsFitTheirControls) {
    VisitEveryWindow(*program_, platform, [](const QWidget& root) {
        const QStringList faults = CaptionsThatDoNotFit(root);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("\n")).toStdString();
    });
}

// Records keep English months and sexes, so a record saved in one language opens in any.
TEST_F(IndonesianWindows, SaveTheRecordsAnEnglishWindowSaves) {
    for (Tradition tradition : {Tradition(kTibetanTradition), Tradition(kIndonesianTradition)}) {
        SCOPED_TRACE(std::string(tradition->key));
        ASSERT_NE(ShowExampleReading(Main(), tradition), nullptr);
        Windows().Show(ReportOf(tradition));
        Settle();
        auto* report = Windows().As<ReportWindow>(ReportOf(tradition));
        ASSERT_NE(report, nullptr);
        const QString path =
            folder.filePath(QStringLiteral("example.") + ToQt(tradition->extension));
        ClickChoosing(report->cmdSave, path);

        const ExamplePerson& person = tradition->example;
        BirthDetails details{.name = std::string(person.name),
                             .year = static_cast<std::int16_t>(std::stoi(std::string(person.year))),
                             .month = std::string(person.month),
                             .day = static_cast<std::int16_t>(std::stoi(std::string(person.day))),
                             .sex = tradition->panel.asksSex ? "Female" : ""};
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().toStdString(),
                  RecordFileBytes(RecordValues(tradition->record, details)));

        // Opened again, in a fresh input window, it gives the same details.
        auto* input = OpenInput(Main(), tradition);
        ASSERT_NE(input, nullptr);
        input->OpenRecord(path);
        Settle();
        EXPECT_EQ(State().birthDetails.month, person.month);
        EXPECT_EQ(State().birthDetails.sex, details.sex);
        EXPECT_EQ(State().birthDetails.day, details.day);
    }
}

}  // namespace
}  // namespace oriastra
