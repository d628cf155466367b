// Fuzzes the single-instance hand-over message: the input is the bytes a later instance
// sent, read as they arrive in pieces (the first byte sets the piece length). Every
// prefix reads as incomplete, complete or too long, consistently: once complete, longer
// prefixes give the same message. A message made of the input's text travels unchanged
// but for its line feeds.
#include "platform/single_instance.h"

#include <algorithm>
#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView received(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const qsizetype piece = data[0] + 1;
    std::optional<QString> message;
    for (qsizetype length = 0;; length = std::min(length + piece, received.size())) {
        const THandOverRead read = ReadHandOver(received.first(length));
        if (message && (read.State != THandOverRead::TState::Complete || read.Message != *message))
            __builtin_trap();
        if (read.State == THandOverRead::TState::Complete) {
            if (read.Message.contains(QLatin1Char('\n')))
                __builtin_trap();
            message = read.Message;
        }
        if (length == received.size())
            break;
    }

    QString text = QString::fromUtf8(received);
    const THandOverRead sent = ReadHandOver(HandOverBytes(text));
    if (sent.State == THandOverRead::TState::TooLong)
        return 0;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (sent.State != THandOverRead::TState::Complete || sent.Message != text)
        __builtin_trap();
    return 0;
}
