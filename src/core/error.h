#pragma once
// The exception every room raises for failures the user should hear about: it carries the
// message text, in the system's own words, that the application frame shows.
#include "platform/message_error.h"

class EAppError : public EMessageError {
public:
    using EMessageError::EMessageError;
};

// The message text of any exception: the message of an application or platform error, or
// what() of others.
QString ErrorText(const std::exception& error);
