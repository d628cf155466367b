#include "core/error.h"

QString ErrorText(const std::exception& error)
{
    if (const auto* appError = dynamic_cast<const EAppError*>(&error))
        return appError->Message();
    return QString::fromUtf8(error.what());
}
