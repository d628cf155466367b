#include "catalogue/database/paper_update.h"

#include <cmath>

LR_DEFINE_CLASS(TPaperUpdate, TComponent, LR_CREATABLE(TPaperUpdate),
    prop::Integer("PPRNo", &Self::PPRNo, &Self::SetPPRNo),
    prop::Float("LastUpdate", &Self::LastUpdate, &Self::SetLastUpdate, TFloatType::DateTime))

namespace {

// Day numbers count calendar days and clock time, whatever the time zone: the arithmetic
// runs in UTC and the result keeps its date and time as local values.
const QDateTime kDayZero(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
constexpr double kMillisecondsPerDay = 86400000.0;
// Dates beyond the year 9999 are no dates.
constexpr double kLastDay = 2958465.0;

} // namespace

QDateTime TPaperUpdate::LastUpdateTime() const
{
    if (lastUpdate_ == 0 || !std::isfinite(lastUpdate_) || std::fabs(lastUpdate_) > kLastDay)
        return {};
    const QDateTime time = kDayZero.addMSecs(std::llround(lastUpdate_ * kMillisecondsPerDay));
    return QDateTime(time.date(), time.time());
}

void TPaperUpdate::SetLastUpdateTime(const QDateTime& time)
{
    const QDateTime clock(time.date(), time.time(), Qt::UTC);
    lastUpdate_ = time.isValid() ? static_cast<double>(kDayZero.msecsTo(clock)) / kMillisecondsPerDay : 0;
}

void TPaperUpdate::AssignTo(TPersistent& target) const
{
    auto* update = dynamic_cast<TPaperUpdate*>(&target);
    if (!update) {
        TComponent::AssignTo(target);
        return;
    }
    update->pprNo_ = pprNo_;
    update->lastUpdate_ = lastUpdate_;
}
