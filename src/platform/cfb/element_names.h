#pragma once
// The rules for names of storages and streams: which names are allowed, and the order in
// which the directory keeps siblings (shorter names first, names of equal length compared
// unit by unit after upper-casing, so that names differing only in case are the same name).
#include <QString>

namespace cfb {

// Negative, zero or positive as a sorts before, equal to or after b.
int CompareNames(const QString& a, const QString& b);

// 1 to 31 UTF-16 units, none of them "/", "\", ":", "!" or NUL.
bool IsValidName(const QString& name);
// Raises the invalid-name error unless the name is valid.
void CheckName(const QString& name);

} // namespace cfb
