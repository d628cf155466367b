#pragma once
// The exception every room raises for failures the user should hear about: it carries the
// message text, in the system's own words, that the application frame shows.
#include <QByteArray>
#include <QString>
#include <exception>

class EAppError : public std::exception {
public:
    explicit EAppError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// The message text of any exception: the EAppError message, or what() of others.
QString ErrorText(const std::exception& error);
