// The holidays of the date dialog's calendar: fixed days within their years, the Monday
// holidays, the equinoxes, and ordinary or invalid days.
#include "objects/dates/japanese_holidays.h"

#include <gtest/gtest.h>

TEST(JapaneseHolidays, FixedDaysMondaysAndEquinoxesWithinTheirYears)
{
    const struct {
        QDate date;
        bool holiday;
    } cases[] = {
        {{2005, 1, 1}, true},    {{2005, 1, 2}, false},    {{1995, 1, 15}, true},  {{2005, 1, 15}, false},
        {{2005, 1, 10}, true},   {{2005, 1, 3}, false},    {{2005, 1, 17}, false}, {{2024, 2, 23}, true},
        {{2018, 2, 23}, false},  {{2018, 12, 23}, true},   {{2019, 12, 23}, false}, {{2007, 5, 4}, true},
        {{2006, 5, 4}, false},   {{2005, 7, 18}, true},    {{2005, 7, 20}, false}, {{2000, 7, 20}, true},
        {{2016, 8, 11}, true},   {{2015, 8, 11}, false},   {{2005, 9, 19}, true},  {{2005, 10, 10}, true},
        {{2006, 10, 9}, true},   {{2006, 10, 10}, false},  {{2005, 11, 3}, true},  {{2005, 11, 23}, true},
        {{2005, 3, 20}, true},   {{2005, 3, 21}, false},   {{2024, 3, 20}, true},  {{2024, 9, 22}, true},
        {{2005, 9, 23}, true},   {{2005, 9, 24}, false},   {{1900, 1, 1}, false},  {QDate(), false},
    };
    for (const auto& test : cases)
        EXPECT_EQ(IsJapaneseHoliday(test.date), test.holiday) << test.date.toString(Qt::ISODate).toStdString();
}
