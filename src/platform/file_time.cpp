#include "platform/file_time.h"

namespace {

// 100-ns intervals between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kUnixEpochOffset = 116444736000000000LL;
constexpr std::int64_t kIntervalsPerMillisecond = 10000;

} // namespace

std::uint64_t FileTimeFromDateTime(const QDateTime& time)
{
    const std::int64_t intervals = time.toMSecsSinceEpoch() * kIntervalsPerMillisecond + kUnixEpochOffset;
    return intervals < 0 ? 0 : static_cast<std::uint64_t>(intervals);
}

QDateTime DateTimeFromFileTime(std::uint64_t fileTime)
{
    if (fileTime == 0)
        return {};
    const std::int64_t milliseconds =
        (static_cast<std::int64_t>(fileTime & 0x7FFFFFFFFFFFFFFFULL) - kUnixEpochOffset) / kIntervalsPerMillisecond;
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

std::uint64_t FileTimeNow()
{
    return FileTimeFromDateTime(QDateTime::currentDateTimeUtc());
}
