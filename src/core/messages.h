#pragma once
// The message and error hooks of the application frame. Every room reports failures and
// asks questions through these functions; the application frame installs the handlers
// that show them as message boxes, and tests install handlers that answer them.
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

enum class TMsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class TMsgResult { OK, Yes, No, Cancel };

// Shows a message (its macros expanded first) and returns the button pressed. Without an
// installed handler the message goes to the log and the default button is the answer.
TMsgResult ShowMessageBox(const QString& text, TMsgButtons buttons = TMsgButtons::OK,
                          TMsgResult defaultButton = TMsgResult::OK);
void ShowInformation(const QString& text);
// A yes/no question; true for yes.
bool AskYesNo(const QString& text, bool defaultYes = true);

using TMessageBoxHandler =
    std::function<TMsgResult(const QString& text, TMsgButtons buttons, TMsgResult defaultButton)>;
// Installs the message box; returns the previous one (empty restores the default).
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

// Shows an unexpected error: the installed error handler takes it; without one the
// message "$(SysMsgUnexpected)" is shown with the error's text.
void ShowError(const std::exception& error);

using TErrorHandler = std::function<void(const std::exception& error)>;
// Installs the error display; returns the previous one.
TErrorHandler SetErrorHandler(TErrorHandler handler);

// The system's message patterns use "%s" and "%d": each is replaced by the next argument.
QString FormatText(const QString& pattern, const QStringList& arguments);
