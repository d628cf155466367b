#include "core/error.h"

QString ErrorText(const std::exception& error)
{
    if (const auto* messageError = dynamic_cast<const EMessageError*>(&error))
        return messageError->Message();
    return QString::fromUtf8(error.what());
}
