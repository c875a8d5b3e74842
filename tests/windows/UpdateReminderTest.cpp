#include <QLocale>

#include "ScriptedPlatform.h"
#include "common/logic/RecordText.h"
#include "common/logic/WebPages.h"
#include "common/windows/QtText.h"
#include "shell/windows/UpdateReminder.h"
#include <gtest/gtest.h>

namespace oriastra {
namespace {

const QDate kToday(2026, 12, 9);

QString Stored(const ScriptedPlatform& platform) {
    return ToQt(DecodeRecordText(FromQt(platform.settings.value("Settings/Duration"))));
}

void StoreDay(ScriptedPlatform& platform, const QDate& day, const QLocale& locale) {
    platform.settings.insert("Settings/Duration",
                             ToQt(EncodeRecordText(FromQt(ShortDateText(day, locale)))));
}

TEST(UpdateReminder, FirstRunStoresTodayQuietly) {
    ScriptedPlatform platform;
    platform.today = kToday;
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    ShowUpdateReminder(platform, locale);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ReadShortDate(Stored(platform), locale, kToday), kToday);
}

TEST(UpdateReminder, FourteenDaysAwayIsQuietFifteenAsks) {
    struct Row {
        int daysAway;
        bool asks;
    };
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (const Row row : {Row{-14, false}, Row{14, false}, Row{0, false}, Row{-15, true},
                          Row{15, true}, Row{-400, true}}) {
        ScriptedPlatform platform;
        platform.today = kToday;
        StoreDay(platform, kToday.addDays(row.daysAway), locale);
        const QString before = platform.settings.value("Settings/Duration");
        ShowUpdateReminder(platform, locale);
        ASSERT_EQ(platform.messages.size(), row.asks ? 1U : 0U) << row.daysAway;
        if (row.asks) {
            EXPECT_EQ(platform.messages[0].text,
                      "There maybe an update to this software available\rDo you want to check for "
                      "an update?");
            EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(ReadShortDate(Stored(platform), locale, kToday), kToday) << row.daysAway;
        } else {
            EXPECT_EQ(platform.settings.value("Settings/Duration"), before) << row.daysAway;
        }
    }
}

TEST(UpdateReminder, YesOpensDownloadPageNoDoesNot) {
    const QLocale locale(QLocale::German, QLocale::Germany);
    for (MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        ScriptedPlatform platform;
        platform.today = kToday;
        platform.answers.push_back(answer);
        StoreDay(platform, kToday.addDays(-30), locale);
        ShowUpdateReminder(platform, locale);
        EXPECT_EQ(platform.openedPages.size(), answer == MessageAnswer::Yes ? 1 : 0);
        if (answer == MessageAnswer::Yes) {
            EXPECT_EQ(platform.openedPages[0], ToQt(kDownloadPageAddress));
        }
        EXPECT_EQ(ReadShortDate(Stored(platform), locale, kToday), kToday);
    }
}

TEST(UpdateReminder, StoredValueThatIsNoDateChangesNothing) {
    ScriptedPlatform platform;
    platform.settings.insert("Settings/Duration", ToQt(EncodeRecordText("not a date")));
    ShowUpdateReminder(platform, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Stored(platform), "not a date");
}

TEST(UpdateReminder, ShortDateReadsBackAsTheSameDayInEveryLocale) {
    const std::vector<QLocale> locales = {
        QLocale(QLocale::English, QLocale::UnitedStates),  // two-digit year: 12/9/26
        QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),         QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Russian, QLocale::Russia),        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Bulgarian, QLocale::Bulgaria),    QLocale(QLocale::Dutch, QLocale::Netherlands),
        QLocale(QLocale::Korean, QLocale::SouthKorea),     QLocale::c()};
    const std::vector<QDate> days = {kToday, QDate(2000, 1, 1), QDate(2049, 12, 31),
                                     QDate(1999, 2, 28)};
    for (const QLocale& locale : locales) {
        for (const QDate& day : days) {
            const QString text = ShortDateText(day, locale);
            const QString stored = ToQt(DecodeRecordText(EncodeRecordText(FromQt(text))));
            EXPECT_EQ(stored, text) << "survives the record encoding: " << text.toStdString();
            EXPECT_EQ(ReadShortDate(stored, locale, day), day)
                << locale.name().toStdString() << " " << text.toStdString();
        }
    }
}

TEST(UpdateReminder, TwoDigitYearDoesNotRemindAtEveryStart) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    ASSERT_FALSE(us.dateFormat(QLocale::ShortFormat).contains("yyyy"));
    ScriptedPlatform platform;
    platform.today = kToday;
    StoreDay(platform, kToday.addDays(-3), us);
    ShowUpdateReminder(platform, us);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace oriastra
