#pragma once
// The application macros that settings keys expand ("$(SysRegistryKey)" and the keys
// below it), installed for the lifetime of the object; for tests that read and write
// settings without the application frame.
#include "core/frame/macro_string.h"

namespace testsupport {

class TSettingsMacros {
public:
    TSettingsMacros()
    {
        macros_.SetValue(QStringLiteral("SysRegistryKey"), QStringLiteral("Software\\Test\\Settings"));
        macros_.SetValue(QStringLiteral("SizeAdjustKey"), QStringLiteral("$(SysRegistryKey)\\SizeAdjust"));
        SetApplicationMacros(&macros_);
    }
    ~TSettingsMacros() { SetApplicationMacros(nullptr); }
    TSettingsMacros(const TSettingsMacros&) = delete;
    TSettingsMacros& operator=(const TSettingsMacros&) = delete;

private:
    TMacroString macros_;
};

} // namespace testsupport
