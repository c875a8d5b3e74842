#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace oriastra {

class Platform;

// At start-up: offers the download page when the last reminder is more than two weeks away.
void ShowUpdateReminder(Platform& platform, const QLocale& locale = QLocale());

// Today's date in the locale's short format, and back. A two-digit year reads as the year of that
// century nearest to `today`, so what was written reads back as the same day.
QString ShortDateText(const QDate& date, const QLocale& locale);
std::optional<QDate> ReadShortDate(const QString& text, const QLocale& locale, const QDate& today);

}  // namespace oriastra
