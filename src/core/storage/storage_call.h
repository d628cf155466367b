#pragma once
// Calls into the compound file layer from the storage classes: a failure there reaches the
// caller as the application error with the same text.
#include "core/error.h"
#include "platform/platform_error.h"

#include <utility>

template <typename Call>
decltype(auto) StorageCall(Call&& call)
{
    try {
        return std::forward<Call>(call)();
    } catch (const EPlatformError& error) {
        throw EAppError(error.Message());
    }
}
