#include "core/frame/history_list.h"

#include "core/frame/settings.h"

namespace {
// Entries are stored as the values "0", "1", ... in order; the first missing value ends them.
QString ValueName(int index)
{
    return QString::number(index);
}
} // namespace

QStringList THistoryList::Items() const
{
    const TRegistryKey key(keyPath_);
    QStringList items;
    for (int i = 0; i < limit_ && key.ValueExists(ValueName(i)); ++i)
        items << key.ReadString(ValueName(i), {});
    return items;
}

void THistoryList::Add(const QString& entry)
{
    QStringList items = Items();
    items.removeAll(entry);
    items.prepend(entry);
    Write(items.mid(0, limit_));
}

void THistoryList::Remove(const QString& entry)
{
    QStringList items = Items();
    if (items.removeAll(entry) > 0)
        Write(items);
}

void THistoryList::Clear()
{
    Write({});
}

void THistoryList::Write(const QStringList& items)
{
    TRegistryKey key(keyPath_);
    key.DeleteKey();
    for (int i = 0; i < items.size(); ++i)
        key.WriteString(ValueName(i), items[i]);
}
