#pragma once
// Window positions kept in the settings: a window's normal bounds as integers named after
// the window ("<name>Left", "<name>Top", "<name>Width", "<name>Height") under
// "$(SysRegistryKey)", and TEnvIniIO for a window's bounds under a sub-key.
#include <QString>

class QWidget;

// Writes the window's normal (restored) bounds.
void SaveWindowPlacement(const QWidget& window);
// Restores the window's bounds; without stored values the window gets the given size
// (limited to the screen) and is centred on the screen.
void RestoreWindowPlacement(QWidget& window, int width, int height);

class TEnvIniIO {
public:
    // Values under "$(SysRegistryKey)\" + subKey.
    explicit TEnvIniIO(const QString& subKey) : subKey_(subKey) {}

    // "FormLeft", "FormTop", "FormRight", "FormBottom".
    void SaveBounds(const QWidget& window) const;
    // The stored bounds, unless a value is missing or the window would start within 16
    // pixels of the screen's right or bottom edge: then the window is centred on its owner
    // (the screen for a window without one).
    void RestoreBounds(QWidget& window) const;

private:
    QString KeyPath() const;
    QString subKey_;
};
