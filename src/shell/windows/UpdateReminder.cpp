#include "shell/windows/UpdateReminder.h"

#include "common/logic/RecordText.h"
#include "common/windows/Platform.h"
#include "common/windows/QtText.h"
#include "common/windows/Translations.h"
#include "common/windows/modHelp.h"
#include "shell/logic/UpdateReminderRule.h"

namespace oriastra {

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");

bool HasFourDigitYear(const QString& format) { return format.contains(QStringLiteral("yyyy")); }

}  // namespace

QString ShortDateText(const QDate& date, const QLocale& locale) {
    const QString text = locale.toString(date, QLocale::ShortFormat);
    // The stored value passes the record encoding, which keeps only codes up to 170 of code page
    // 1252; a short date with other letters or digits (Cyrillic, Devanagari) would come back
    // unreadable and the reminder would never show again. Such dates are kept in ISO form.
    if (ToQt(DecodeRecordText(EncodeRecordText(FromQt(text)))) != text) {
        return date.toString(Qt::ISODate);
    }
    return text;
}

std::optional<QDate> ReadShortDate(const QString& text, const QLocale& locale, const QDate& today) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(text.trimmed(), format);
    if (!date.isValid()) {
        date = QDate::fromString(text.trimmed(), Qt::ISODate);
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    if (!HasFourDigitYear(format)) {
        // Qt puts a two-digit year in 1900-1999; move it to the nearest century.
        const int yearsAway = today.year() - date.year();
        const int centuries = (yearsAway + 50) / 100;
        date = date.addYears(centuries * 100);
    }
    return date;
}

void ShowUpdateReminder(Platform& platform, const QLocale& locale) {
    const QString stored = ToQt(DecodeRecordText(FromQt(platform.Setting(kSection, kKey))));
    const QDate today = platform.Today();
    std::optional<int> daysFromToday;
    if (!stored.isEmpty()) {
        if (const auto date = ReadShortDate(stored, locale, today)) {
            daysFromToday = static_cast<int>(today.daysTo(*date));
        }
    }
    const ReminderAction action = DecideUpdateReminder(stored.isEmpty(), daysFromToday);
    if (action == ReminderAction::Nothing) return;
    MessageAnswer answer = MessageAnswer::No;
    if (action == ReminderAction::AskAndStoreToday) {
        answer = platform.MessageBox(TranslatedQt("Messages", kUpdateQuestion),
                                     MessageButtons::YesNo, MessageIcon::Information);
    }
    platform.SetSetting(kSection, kKey, ToQt(EncodeRecordText(FromQt(ShortDateText(today, locale)))));
    if (answer == MessageAnswer::Yes) OpenDownloadPage(platform);
}

}  // namespace oriastra
