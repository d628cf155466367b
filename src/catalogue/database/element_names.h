#pragma once
// The names of the numbered elements of the paper database: "$" and eight lower-case
// hexadecimal digits of a sequence number. Their sorted order is their numeric order.
#include <QStringList>
#include <optional>

QString ElementName(quint32 number);
// The number of a well-formed element name (hexadecimal digits in either case), or nothing.
std::optional<quint32> ElementNumber(const QString& name);
// One past the highest number among the names (1 when none is numbered).
quint64 NextElementNumber(const QStringList& names);
// The name numbered next, advancing next; fails with the update error of the storage when
// the numbers are used up.
QString TakeElementName(quint64& next, const QString& storageName);
// Sorts element names in stored order (without regard to case).
void SortElementNames(QStringList& names);
bool ElementNameLess(const QString& a, const QString& b);

// The error for a store whose records cannot be kept apart.
[[noreturn]] void FailPaperUpdate(const QString& name);
