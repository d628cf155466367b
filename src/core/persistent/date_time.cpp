#include "core/persistent/date_time.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMillisecondsPerDay = 86400000.0;
// Beyond these the value is no date a document could hold.
constexpr double kMinimumDays = -657434.0; // 0100-01-01
constexpr double kMaximumDays = 2958465.0; // 9999-12-31
} // namespace

double ToDelphiDateTime(const QDateTime& time)
{
    if (!time.isValid())
        return 0;
    const QDateTime local = time.toLocalTime();
    const double days = static_cast<double>(kEpoch.daysTo(local.date()));
    const double fraction = local.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
    // Before the epoch the fraction still counts forward from midnight: -1.25 is
    // 1899-12-29 06:00.
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime FromDelphiDateTime(double value)
{
    if (!std::isfinite(value) || value < kMinimumDays || value > kMaximumDays)
        return {};
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    const QDate date = kEpoch.addDays(static_cast<qint64>(whole));
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(std::llround(fraction * kMillisecondsPerDay)) % 86400000);
    return QDateTime(date, time);
}
