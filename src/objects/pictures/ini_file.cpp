#include "objects/pictures/ini_file.h"

#include "platform/shift_jis.h"

#include <QFile>

TIniFile::TIniFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIniFileBytes)
        return;
    Parse(file.read(kMaxIniFileBytes));
}

TIniFile TIniFile::FromBytes(const QByteArray& bytes)
{
    TIniFile ini;
    if (bytes.size() <= kMaxIniFileBytes)
        ini.Parse(bytes);
    return ini;
}

void TIniFile::Parse(const QByteArray& bytes)
{
    const QString text = DecodeShiftJIS(bytes);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.sliced(1, line.size() - 2).trimmed().toString();
            if (!Find(name))
                sections_.push_back({name, {}});
            else
                sections_.push_back({QString(), {}}); // a repeated section adds to nothing
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (sections_.empty() || equals <= 0)
            continue;
        Section& section = sections_.back();
        if (section.Name.isEmpty())
            continue;
        const QString key = line.first(equals).trimmed().toString();
        bool known = false;
        for (const auto& [name, value] : section.Values)
            known = known || name.compare(key, Qt::CaseInsensitive) == 0;
        if (!known)
            section.Values.emplace_back(key, line.sliced(equals + 1).trimmed().toString());
    }
    std::erase_if(sections_, [](const Section& section) { return section.Name.isEmpty(); });
}

const TIniFile::Section* TIniFile::Find(const QString& section) const
{
    for (const Section& candidate : sections_)
        if (candidate.Name.compare(section, Qt::CaseInsensitive) == 0)
            return &candidate;
    return nullptr;
}

QStringList TIniFile::ReadSections() const
{
    QStringList names;
    for (const Section& section : sections_)
        names.append(section.Name);
    return names;
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    if (const Section* found = Find(section))
        for (const auto& [key, value] : found->Values)
            keys.append(key);
    return keys;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (const Section* found = Find(section))
        for (const auto& [name, value] : found->Values)
            if (name.compare(key, Qt::CaseInsensitive) == 0)
                return value;
    return defaultValue;
}
