#pragma once
// Date-time values as documents store them: days since 1899-12-30 as a double, the
// fraction being the time of day (local time).
#include <QDateTime>

double ToDelphiDateTime(const QDateTime& time);
QDateTime FromDelphiDateTime(double value);
