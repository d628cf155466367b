// The single-instance hand-over message as bytes: how it is written and read back from
// what has arrived so far.
#include "platform/single_instance.h"

#include <gtest/gtest.h>

TEST(HandOver, MessagesReadAtTheirTerminator)
{
    using TState = THandOverRead::TState;
    const struct {
        QByteArray received;
        TState state;
        QString message;
    } cases[] = {
        {"", TState::Incomplete, {}},
        {"/tmp/a.cld", TState::Incomplete, {}},
        {"/tmp/a.cld\n", TState::Complete, QStringLiteral("/tmp/a.cld")},
        {"/tmp/a.cld\nextra\n", TState::Complete, QStringLiteral("/tmp/a.cld")},
        {"\n", TState::Complete, {}},
        {"\xff\xfe\n", TState::Complete, QStringLiteral("\uFFFD\uFFFD")},
        {QByteArray(64 * 1024, 'a') + '\n', TState::Complete, QString(64 * 1024, QLatin1Char('a'))},
        {QByteArray(64 * 1024 + 1, 'a'), TState::TooLong, {}},
        {QByteArray(64 * 1024 + 1, 'a') + '\n', TState::TooLong, {}},
    };
    for (const auto& c : cases) {
        const THandOverRead read = ReadHandOver(c.received);
        EXPECT_EQ(read.State, c.state) << c.received.left(40).toStdString();
        EXPECT_EQ(read.Message, c.message);
    }
}

TEST(HandOver, WrittenMessagesReadBackWithLineFeedsAsSpaces)
{
    EXPECT_EQ(HandOverBytes(QStringLiteral("/tmp/見本.cld")), QStringLiteral("/tmp/見本.cld\n").toUtf8());
    const THandOverRead read = ReadHandOver(HandOverBytes(QStringLiteral("two\nlines")));
    EXPECT_EQ(read.State, THandOverRead::TState::Complete);
    EXPECT_EQ(read.Message, QStringLiteral("two lines"));
}
