#pragma once
// The exception the platform layer raises. It carries the message text in the system's own
// words; the rooms above turn it into their application error unchanged.
#include "platform/message_error.h"

class EPlatformError : public EMessageError {
public:
    using EMessageError::EMessageError;
};
