#pragma once
// The Japanese public holidays that the date dialog marks on its calendar: the national
// holidays on their fixed days or on their Mondays, each for the years in which it was
// kept so, and the spring and autumn equinox days by the usual approximation (1980 to
// 2099). Substitute holidays and the one-off moves of single years are not included.
#include <QDate>

bool IsJapaneseHoliday(QDate date);
