#include "objects/dates/date_format.h"

#include "core/frame/macro_string.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>

namespace {

// The Japanese locale's short date and long time, written in the format's own specifiers.
constexpr char16_t kShortDateFormat[] = u"yyyy/mm/dd";
constexpr char16_t kLongTimeFormat[] = u"h:nn:ss";
constexpr QChar kDateSeparator = u'/';
constexpr QChar kTimeSeparator = u':';

const char* const kLongMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

QString FromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// Midnight of the date in UTC, so that no time zone moves it to another day.
UDate UtcMidnight(QDate date)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(*icu::TimeZone::getGMT(), status);
    calendar.clear();
    calendar.set(date.year(), date.month() - 1, date.day());
    const UDate value = calendar.getTime(status);
    return U_SUCCESS(status) ? value : 0;
}

// The locale's weekday names, Sunday first, falling back to the English ones.
const QStringList& WeekdayNames(bool longNames)
{
    static const auto load = [](bool wide) {
        QStringList names = wide ? QStringList{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}
                                 : QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        UErrorCode status = U_ZERO_ERROR;
        const icu::DateFormatSymbols symbols(icu::Locale::getJapan(), status);
        int32_t count = 0;
        const icu::UnicodeString* days = wide ? symbols.getWeekdays(count) : symbols.getShortWeekdays(count);
        // ICU counts from 1 (Sunday); index 0 is unused.
        if (U_SUCCESS(status) && days && count >= 8)
            for (int day = 0; day < 7; ++day)
                names[day] = FromIcu(days[day + 1]);
        return names;
    };
    static const QStringList shortNames = load(false);
    static const QStringList longNames_ = load(true);
    return longNames ? longNames_ : shortNames;
}

QString Digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// The format with the month macros of the date's month expanded; the month names are
// quoted, so that the specifier pass copies them as literal text.
QString ExpandMonthMacros(const QString& format, int month)
{
    TMacroString macros;
    macros.SetStripQuotes(false);
    const QString longName = QString::fromLatin1(kLongMonths[month - 1]);
    const QString shortName = longName.left(3);
    const auto quoted = [](const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); };
    macros.SetValue(QStringLiteral("LongMonthA"), quoted(longName));
    macros.SetValue(QStringLiteral("LongMonthB"), quoted(longName.toLower()));
    macros.SetValue(QStringLiteral("LongMonthC"), quoted(longName.toUpper()));
    macros.SetValue(QStringLiteral("ShortMonthA"), quoted(shortName));
    macros.SetValue(QStringLiteral("ShortMonthB"), quoted(shortName.toLower()));
    macros.SetValue(QStringLiteral("ShortMonthC"), quoted(shortName.toUpper()));
    return macros.Expand(format);
}

bool IsAmPmAt(const QString& format, qsizetype at)
{
    return format.mid(at, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0;
}

// Whether an AM/PM specifier follows the position outside quotes.
bool AmPmFollows(const QString& format, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < format.size(); ++i) {
        const QChar c = format[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (IsAmPmAt(format, i)) {
            return true;
        }
    }
    return false;
}

// The specifier pass over an expanded format.
QString Render(const QString& format, const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    QString out;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        if (c == u'"' || c == u'\'') {
            const qsizetype end = format.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (IsAmPmAt(format, i)) {
            out += time.hour() < 12 ? format.mid(i, 2) : format.mid(i + 3, 2);
            i += 5;
            continue;
        }
        const QChar letter = c.toLower();
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run].toLower() == letter)
            ++run;
        const int count = static_cast<int>(run);
        switch (letter.unicode()) {
        case u'y':
            out += count <= 2 ? Digits(date.year() % 100, 2) : Digits(date.year(), 4);
            break;
        case u'm':
            out += count == 1 ? QString::number(date.month()) : Digits(date.month(), 2);
            break;
        case u'd':
            if (count <= 2)
                out += count == 1 ? QString::number(date.day()) : Digits(date.day(), 2);
            else
                out += WeekdayNames(count >= 4)[date.dayOfWeek() % 7];
            break;
        case u'a':
            if (count < 3) {
                out += format.mid(i, run);
                break;
            }
            out += WeekdayNames(count >= 4)[date.dayOfWeek() % 7];
            break;
        case u'g': {
            const QString era = JapaneseEra(date).Name;
            out += count == 1 ? era.left(1) : era;
            break;
        }
        case u'e': {
            const int year = JapaneseEra(date).Year;
            out += count == 1 ? QString::number(year) : Digits(year, 2);
            break;
        }
        case u'h': {
            int hour = time.hour();
            if (AmPmFollows(format, i + run)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += count == 1 ? QString::number(hour) : Digits(hour, 2);
            break;
        }
        case u'n':
            out += count == 1 ? QString::number(time.minute()) : Digits(time.minute(), 2);
            break;
        case u's':
            out += count == 1 ? QString::number(time.second()) : Digits(time.second(), 2);
            break;
        case u'/':
            out += QString(run, kDateSeparator);
            break;
        case u':':
            out += QString(run, kTimeSeparator);
            break;
        default:
            out += format.mid(i, run);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace

TJapaneseEra JapaneseEra(QDate date)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale("ja_JP@calendar=japanese");
    const UDate moment = UtcMidnight(date);
    icu::SimpleDateFormat eraFormat(icu::UnicodeString(u"GGGG"), locale, status);
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status) || !calendar)
        return {};
    eraFormat.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString name;
    eraFormat.format(moment, name);
    calendar->setTime(moment, status);
    const int year = calendar->get(UCAL_YEAR, status);
    if (U_FAILURE(status))
        return {};
    return {FromIcu(name), year};
}

QString FormatDate(const QString& format, const QDateTime& dateTime, bool* ok)
{
    if (ok)
        *ok = true;
    if (format.isEmpty()) {
        QString text = Render(QString::fromUtf16(kShortDateFormat), dateTime);
        if (dateTime.time() != QTime(0, 0))
            text += QLatin1Char(' ') + Render(QString::fromUtf16(kLongTimeFormat), dateTime);
        return text;
    }
    QString expanded;
    try {
        expanded = ExpandMonthMacros(format, dateTime.date().isValid() ? dateTime.date().month() : 1);
    } catch (const std::exception&) {
        if (ok)
            *ok = false;
        return format;
    }
    return Render(expanded, dateTime);
}

const QStringList& OfferedDateFormats()
{
    static const QStringList formats = {
        QStringLiteral("m\"月\"d\"日\""),
        QStringLiteral("ggge\"年\"m\"月\""),
        QStringLiteral("ggge\"年\"m\"月\"d\"日\""),
        QStringLiteral("ggge\"年\"m\"月\"d\"日(\"aaa\")\""),
        QStringLiteral("ggge\"年\"m\"月\"d\"日(\"aaaa\")\""),
        QStringLiteral("ggge\"年\"m\"月\"d\"日\" h\"時\"n\"分\""),
        QStringLiteral("ggge\"年\"m\"月\"d\"日(\"aaa\")\" h\"時\"n\"分\""),
        QStringLiteral("yyyy\"年\"m\"月\""),
        QStringLiteral("yyyy\"年\"m\"月\"d\"日\""),
        QStringLiteral("yyyy\"年\"m\"月\"d\"日\" h\"時\"n\"分\""),
        QStringLiteral("yyyy\"年\"m\"月\"d\"日(\"aaa\")\" h\"時\"n\"分\""),
        QStringLiteral("yyyy\"/\"m"),
        QStringLiteral("yyyy\"/\"m\"/\"d"),
        QStringLiteral("yyyy\"/\"m\"/\"d ddd"),
        QStringLiteral("yyyy\"/\"m\"/\"d dddd"),
        QStringLiteral("yyyy\"/\"m\"/\"d hh\":\"nn"),
        QStringLiteral("yyyy\"/\"m\"/\"d h\":\"nn AM/PM"),
        QStringLiteral("yyyy\"/\"m\"/\"d ddd hh\":\"nn"),
        QStringLiteral("yyyy\"/\"m\"/\"d ddd h\":\"nn AM/PM"),
        QStringLiteral("yy\"/\"m"),
        QStringLiteral("yy\"/\"m\"/\"d"),
        QStringLiteral("yy\"/\"m\"/\"d ddd"),
        QStringLiteral("yy\"/\"m\"/\"d dddd"),
        QStringLiteral("yy\"/\"m\"/\"d hh\":\"nn"),
        QStringLiteral("yy\"/\"m\"/\"d h\":\"nn AM/PM"),
        QStringLiteral("yy\"/\"m\"/\"d ddd hh\":\"nn"),
        QStringLiteral("yy\"/\"m\"/\"d ddd h\":\"nn AM/PM"),
        QStringLiteral("yyyy\"-\"mm\"-\"dd"),
        QStringLiteral("$(LongMonthA) d','yyyy"),
        QStringLiteral("$(ShortMonthA) d\",\"yyyy"),
        QStringLiteral("$(ShortMonthC)\".\"d\",\"yyyy"),
        QStringLiteral("$(LongMonthA)\",\" yyyy"),
        QStringLiteral("$(ShortMonthA)\",\" yyyy"),
        QStringLiteral("$(ShortMonthC)\",\" yyyy"),
        QStringLiteral("$(LongMonthA)\",\" yy"),
        QStringLiteral("$(ShortMonthA)\"-\"yy"),
        QStringLiteral("d $(LongMonthA)\",\" yy"),
        QStringLiteral("d $(LongMonthA) \"'\"yy"),
        QStringLiteral("d $(ShortMonthA) \"'\" yy"),
        QStringLiteral("d $(ShortMonthC)\".'\"yy"),
        QStringLiteral("d\"/\"mm\"/\"yy"),
    };
    return formats;
}
