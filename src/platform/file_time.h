#pragma once
// The platform's 64-bit file time: 100-nanosecond intervals since 1 January 1601, UTC, as
// compound files and cached file records store it.
#include <QDateTime>
#include <cstdint>

std::uint64_t FileTimeFromDateTime(const QDateTime& time);
// 0 gives an invalid QDateTime (the time was never set).
QDateTime DateTimeFromFileTime(std::uint64_t fileTime);
std::uint64_t FileTimeNow();
