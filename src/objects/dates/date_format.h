#pragma once
// Date and time texts of date fields: a format of quoted literals and specifiers (years,
// months, days, Japanese eras, weekdays, hours on a 24- or 12-hour clock, minutes,
// seconds, AM/PM) after the month-name macros $(LongMonthA) ... $(ShortMonthC) are
// expanded for the date's month. Names and separators follow the Japanese locale,
// whatever the process's own locale is.
#include <QDateTime>
#include <QString>
#include <QStringList>

// The text of a date-time in the format. When the format's macros cannot be expanded
// (an undefined macro, say), the text is the format itself as written and ok, when
// given, is set false; nothing is raised.
QString FormatDate(const QString& format, const QDateTime& dateTime, bool* ok = nullptr);

// The formats the date dialog offers, in list order.
const QStringList& OfferedDateFormats();

// The Japanese era of a date: its name ("令和") and the year within it (1 in its first
// year), through the Japanese calendar.
struct TJapaneseEra {
    QString Name;
    int Year = 0;
};
TJapaneseEra JapaneseEra(QDate date);
