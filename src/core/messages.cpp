#include "core/messages.h"

#include "core/error.h"

#include <QDebug>

namespace {

TErrorHandler& ErrorHandler()
{
    static TErrorHandler handler;
    return handler;
}

} // namespace

void ShowError(const std::exception& error)
{
    if (const TErrorHandler& handler = ErrorHandler())
        handler(error);
    else
        qWarning().noquote() << ErrorText(error);
}

TErrorHandler SetErrorHandler(TErrorHandler handler)
{
    return std::exchange(ErrorHandler(), std::move(handler));
}
