#pragma once
// The exception the platform layer raises. It carries the message text in the system's own
// words; the rooms above turn it into their application error unchanged.
#include <QByteArray>
#include <QString>
#include <exception>

class EPlatformError : public std::exception {
public:
    explicit EPlatformError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
