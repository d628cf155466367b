#pragma once
// The message and error hooks of the application frame. Every room reports failures and
// asks questions through these functions; the application frame installs the handlers
// that show them (message boxes), and tests install handlers that answer them.
#include <QString>
#include <exception>
#include <functional>

// Shows an unexpected error (the frame formats it with its own message text).
void ShowError(const std::exception& error);

using TErrorHandler = std::function<void(const std::exception& error)>;

// Installs the error display; returns the previous one. An empty handler restores the
// default, which writes the error text to the log.
TErrorHandler SetErrorHandler(TErrorHandler handler);
