#include "core/frame/settings.h"

#include "core/error.h"
#include "core/frame/macro_string.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

// Registry key paths use "\"; settings groups use "/".
QString GroupOf(const QString& keyPath)
{
    QString expanded;
    try {
        expanded = Expand(keyPath);
    } catch (const EAppError&) {
        return {};
    }
    if (expanded.contains(QLatin1String("$(")))
        return {}; // no macro table yet
    QString group = expanded;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.startsWith(QLatin1Char('/')))
        group.remove(0, 1);
    while (group.endsWith(QLatin1Char('/')))
        group.chop(1);
    return group;
}

QSettings OpenSettings()
{
    return QSettings(SettingsFilePath(), QSettings::IniFormat);
}

TRegistryKey ApplicationKey()
{
    return TRegistryKey(QStringLiteral("$(SysRegistryKey)"));
}

} // namespace

QString SettingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Lumarest/Lumarest.ini");
}

TRegistryKey::TRegistryKey(const QString& keyPath) : group_(GroupOf(keyPath))
{
}

bool TRegistryKey::Exists() const
{
    if (!IsValid())
        return false;
    QSettings settings = OpenSettings();
    settings.beginGroup(group_);
    return !settings.childKeys().isEmpty() || !settings.childGroups().isEmpty();
}

bool TRegistryKey::ValueExists(const QString& name) const
{
    return IsValid() && OpenSettings().contains(group_ + QLatin1Char('/') + name);
}

QStringList TRegistryKey::ValueNames() const
{
    if (!IsValid())
        return {};
    QSettings settings = OpenSettings();
    settings.beginGroup(group_);
    return settings.childKeys();
}

bool TRegistryKey::ReadBool(const QString& name, bool defaultValue) const
{
    if (!ValueExists(name))
        return defaultValue;
    const QString text = OpenSettings().value(group_ + QLatin1Char('/') + name).toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        return false;
    return defaultValue;
}

int TRegistryKey::ReadInteger(const QString& name, int defaultValue) const
{
    if (!ValueExists(name))
        return defaultValue;
    bool ok = false;
    const int value = OpenSettings().value(group_ + QLatin1Char('/') + name).toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

QString TRegistryKey::ReadString(const QString& name, const QString& defaultValue) const
{
    if (!ValueExists(name))
        return defaultValue;
    return OpenSettings().value(group_ + QLatin1Char('/') + name).toString();
}

void TRegistryKey::WriteBool(const QString& name, bool value)
{
    if (IsValid())
        OpenSettings().setValue(group_ + QLatin1Char('/') + name, value);
}

void TRegistryKey::WriteInteger(const QString& name, int value)
{
    if (IsValid())
        OpenSettings().setValue(group_ + QLatin1Char('/') + name, value);
}

void TRegistryKey::WriteString(const QString& name, const QString& value)
{
    if (IsValid())
        OpenSettings().setValue(group_ + QLatin1Char('/') + name, value);
}

void TRegistryKey::DeleteValue(const QString& name)
{
    if (IsValid())
        OpenSettings().remove(group_ + QLatin1Char('/') + name);
}

void TRegistryKey::DeleteKey()
{
    if (IsValid())
        OpenSettings().remove(group_);
}

bool AdvancedMode()
{
    return ReadBool(QString::fromLatin1(kAdvancedModeKey), false);
}

bool ReadBool(const QString& name, bool defaultValue)
{
    return ApplicationKey().ReadBool(name, defaultValue);
}

int ReadInteger(const QString& name, int defaultValue)
{
    return ApplicationKey().ReadInteger(name, defaultValue);
}

QString ReadString(const QString& name, const QString& defaultValue)
{
    return ApplicationKey().ReadString(name, defaultValue);
}

void WriteBool(const QString& name, bool value)
{
    ApplicationKey().WriteBool(name, value);
}

void WriteInteger(const QString& name, int value)
{
    ApplicationKey().WriteInteger(name, value);
}

void WriteString(const QString& name, const QString& value)
{
    ApplicationKey().WriteString(name, value);
}
