#pragma once
// The base of the exceptions that carry a message text in the system's own words: the
// platform layer's error and the application error of the rooms above derive from it, so
// that one handler can show either.
#include <QByteArray>
#include <QString>
#include <exception>

class EMessageError : public std::exception {
public:
    explicit EMessageError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
