#pragma once
// A most-recently-used list kept under a registry key (macros allowed), newest first,
// each entry once, at most a given number of entries.
#include <QStringList>

class THistoryList {
public:
    THistoryList(const QString& keyPath, int limit = 10) : keyPath_(keyPath), limit_(limit) {}

    QStringList Items() const;
    // Puts the entry first (removing an older copy of it) and drops entries over the limit.
    void Add(const QString& entry);
    void Remove(const QString& entry);
    void Clear();

private:
    void Write(const QStringList& items);

    QString keyPath_;
    int limit_;
};
