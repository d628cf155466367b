#include "objects/dates/japanese_holidays.h"

#include <cmath>

namespace {

// A holiday on a fixed day of the month (Monday 0), or on the Monday-th Monday of the
// month (Day 0), from FirstYear to LastYear.
struct THoliday {
    int Month;
    int Day;
    int Monday;
    int FirstYear;
    int LastYear;
};

constexpr int kOpen = 9999;

constexpr THoliday kHolidays[] = {
    {1, 1, 0, 1949, kOpen},    // 元日
    {1, 15, 0, 1949, 1999},    // 成人の日
    {1, 0, 2, 2000, kOpen},    // 成人の日
    {2, 11, 0, 1967, kOpen},   // 建国記念の日
    {2, 23, 0, 2020, kOpen},   // 天皇誕生日
    {4, 29, 0, 1949, kOpen},   // 天皇誕生日, みどりの日, 昭和の日
    {5, 3, 0, 1949, kOpen},    // 憲法記念日
    {5, 4, 0, 2007, kOpen},    // みどりの日
    {5, 5, 0, 1949, kOpen},    // こどもの日
    {7, 20, 0, 1996, 2002},    // 海の日
    {7, 0, 3, 2003, kOpen},    // 海の日
    {8, 11, 0, 2016, kOpen},   // 山の日
    {9, 15, 0, 1966, 2002},    // 敬老の日
    {9, 0, 3, 2003, kOpen},    // 敬老の日
    {10, 10, 0, 1966, 1999},   // 体育の日
    {10, 0, 2, 2000, kOpen},   // 体育の日, スポーツの日
    {11, 3, 0, 1948, kOpen},   // 文化の日
    {11, 23, 0, 1948, kOpen},  // 勤労感謝の日
    {12, 23, 0, 1989, 2018},   // 天皇誕生日
};

// The day of March or September on which the equinox falls (1980 to 2099).
int EquinoxDay(int year, double base)
{
    const int years = year - 1980;
    return static_cast<int>(std::floor(base + 0.242194 * years - std::floor(years / 4.0)));
}

bool IsEquinox(QDate date)
{
    if (date.year() < 1980 || date.year() > 2099)
        return false;
    if (date.month() == 3)
        return date.day() == EquinoxDay(date.year(), 20.8431);
    if (date.month() == 9)
        return date.day() == EquinoxDay(date.year(), 23.2488);
    return false;
}

} // namespace

bool IsJapaneseHoliday(QDate date)
{
    if (!date.isValid())
        return false;
    for (const THoliday& holiday : kHolidays) {
        if (date.month() != holiday.Month || date.year() < holiday.FirstYear || date.year() > holiday.LastYear)
            continue;
        if (holiday.Day > 0 ? date.day() == holiday.Day
                            : date.dayOfWeek() == Qt::Monday && (date.day() - 1) / 7 + 1 == holiday.Monday)
            return true;
    }
    return IsEquinox(date);
}
