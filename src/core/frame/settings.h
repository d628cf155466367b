#pragma once
// Typed settings in the settings registry: an INI file under $XDG_CONFIG_HOME in which
// each registry key path ("Software\...\Settings") is a group. Values are read under
// "$(SysRegistryKey)" or under any key path given; reading never creates anything, and a
// missing key, a missing value or a value of the wrong type yields the default.
#include <QString>
#include <QStringList>

// The file that holds the settings.
QString SettingsFilePath();

// Values directly under "$(SysRegistryKey)". When the macro is not defined, reading
// returns the default and writing does nothing.
bool ReadBool(const QString& name, bool defaultValue);
int ReadInteger(const QString& name, int defaultValue);
QString ReadString(const QString& name, const QString& defaultValue);
void WriteBool(const QString& name, bool value);
void WriteInteger(const QString& name, int value);
void WriteString(const QString& name, const QString& value);

// The application's advanced mode: the property dialogs also show the settings the label
// wizard reads. Off unless the setting says otherwise.
inline constexpr char kAdvancedModeKey[] = "AdvancedMode";
bool AdvancedMode();

// Values under an explicit key path ("\"-separated; macros are expanded).
class TRegistryKey {
public:
    explicit TRegistryKey(const QString& keyPath);

    bool IsValid() const { return !group_.isEmpty(); }
    bool Exists() const;
    bool ValueExists(const QString& name) const;
    bool ReadBool(const QString& name, bool defaultValue) const;
    int ReadInteger(const QString& name, int defaultValue) const;
    QString ReadString(const QString& name, const QString& defaultValue) const;
    QStringList ValueNames() const;
    void WriteBool(const QString& name, bool value);
    void WriteInteger(const QString& name, int value);
    void WriteString(const QString& name, const QString& value);
    void DeleteValue(const QString& name);
    // Removes the key with its values and sub-keys.
    void DeleteKey();

private:
    QString group_;
};
