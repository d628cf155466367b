#include "core/messages.h"

#include "core/error.h"
#include "core/frame/macro_string.h"

#include <QDebug>

namespace {

TErrorHandler& ErrorHandler()
{
    static TErrorHandler handler;
    return handler;
}

TMessageBoxHandler& MessageBoxHandler()
{
    static TMessageBoxHandler handler;
    return handler;
}

QString ExpandedOrSame(const QString& text)
{
    try {
        return Expand(text);
    } catch (const EAppError&) {
        return text;
    }
}

} // namespace

TMsgResult ShowMessageBox(const QString& text, TMsgButtons buttons, TMsgResult defaultButton)
{
    const QString expanded = ExpandedOrSame(text);
    if (const TMessageBoxHandler& handler = MessageBoxHandler())
        return handler(expanded, buttons, defaultButton);
    qWarning().noquote() << expanded;
    return defaultButton;
}

void ShowInformation(const QString& text)
{
    ShowMessageBox(text, TMsgButtons::OK, TMsgResult::OK);
}

bool AskYesNo(const QString& text, bool defaultYes)
{
    return ShowMessageBox(text, TMsgButtons::YesNo, defaultYes ? TMsgResult::Yes : TMsgResult::No) == TMsgResult::Yes;
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler)
{
    return std::exchange(MessageBoxHandler(), std::move(handler));
}

void ShowError(const std::exception& error)
{
    if (const TErrorHandler& handler = ErrorHandler()) {
        handler(error);
        return;
    }
    const QString pattern = ExpandedOrSame(QStringLiteral("$(SysMsgUnexpected:inessential)"));
    const QString text = pattern.isEmpty() ? ErrorText(error) : FormatText(pattern, {ErrorText(error)});
    ShowMessageBox(text, TMsgButtons::OK, TMsgResult::OK);
}

TErrorHandler SetErrorHandler(TErrorHandler handler)
{
    return std::exchange(ErrorHandler(), std::move(handler));
}

QString FormatText(const QString& pattern, const QStringList& arguments)
{
    QString result;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size()) {
            const QChar kind = pattern[i + 1];
            if (kind == QLatin1Char('s') || kind == QLatin1Char('d')) {
                result += next < arguments.size() ? arguments[next] : QString();
                ++next;
                ++i;
                continue;
            }
            if (kind == QLatin1Char('%')) {
                result += QLatin1Char('%');
                ++i;
                continue;
            }
        }
        result += pattern[i];
    }
    return result;
}
