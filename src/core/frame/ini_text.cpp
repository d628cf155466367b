#include "core/frame/ini_text.h"

#include "platform/shift_jis.h"

#include <QFile>
#include <climits>

TIniText TIniText::Parse(const QByteArray& bytes)
{
    return FromLines(DecodeShiftJIS(bytes).split(QLatin1Char('\n')));
}

TIniText TIniText::FromLines(const QStringList& lines)
{
    TIniText ini;
    Section* current = nullptr;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            // A repeated section adds nothing: its lines are skipped.
            current = nullptr;
            if (!ini.Find(name)) {
                ini.sections_.push_back({name, {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!IniValue(*current, key))
            current->Values.emplace_back(key, line.mid(equals + 1).trimmed());
    }
    return ini;
}

TIniText TIniText::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIniFileBytes)
        return {};
    return Parse(file.read(kMaxIniFileBytes));
}

QStringList TIniText::SectionNames() const
{
    QStringList names;
    for (const Section& section : sections_)
        names << section.Name;
    return names;
}

QStringList TIniText::Keys(const QString& section) const
{
    QStringList keys;
    if (const Section* found = Find(section))
        for (const auto& [key, value] : found->Values)
            keys << key;
    return keys;
}

const TIniText::Section* TIniText::Find(const QString& section) const
{
    for (const Section& s : sections_)
        if (s.Name.compare(section, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const QString* IniValue(const TIniText::Section& section, const QString& key)
{
    for (const auto& [name, value] : section.Values)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return &value;
    return nullptr;
}

bool TIniText::HasKey(const QString& section, const QString& key) const
{
    const Section* s = Find(section);
    return s && IniValue(*s, key);
}

QString TIniText::Value(const QString& section, const QString& key, const QString& fallback) const
{
    const Section* s = Find(section);
    const QString* value = s ? IniValue(*s, key) : nullptr;
    return value ? *value : fallback;
}

bool ParseIniInteger(const QString& text, int& value)
{
    bool ok = false;
    const QString t = text.trimmed();
    qlonglong number;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        number = t.mid(2).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1Char('$')))
        number = t.mid(1).toLongLong(&ok, 16);
    else
        number = t.toLongLong(&ok, 10);
    if (!ok || number < INT_MIN || number > qlonglong(UINT_MAX))
        return false;
    value = int(quint32(number));
    return true;
}

int TIniText::Integer(const QString& section, const QString& key, int fallback) const
{
    int value = fallback;
    return ParseIniInteger(Value(section, key), value) ? value : fallback;
}

void TIniText::SetValue(const QString& section, const QString& key, const QString& value)
{
    Section* target = nullptr;
    for (Section& s : sections_)
        if (s.Name.compare(section, Qt::CaseInsensitive) == 0)
            target = &s;
    if (!target) {
        sections_.push_back({section, {}});
        target = &sections_.back();
    }
    for (auto& [name, old] : target->Values)
        if (name.compare(key, Qt::CaseInsensitive) == 0) {
            old = value;
            return;
        }
    target->Values.emplace_back(key, value);
}

std::optional<QByteArray> TIniText::ToBytes() const
{
    QString text;
    for (const Section& section : sections_) {
        text += QLatin1Char('[') + section.Name + QLatin1String("]\r\n");
        for (const auto& [name, value] : section.Values)
            text += name + QLatin1Char('=') + value + QLatin1String("\r\n");
        text += QLatin1String("\r\n");
    }
    return EncodeShiftJIS(text);
}
