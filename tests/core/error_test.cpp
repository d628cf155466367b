#include "core/error.h"
#include "platform/platform_error.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(ErrorText, GivesTheMessageOfEitherErrorAndWhatOfOthers)
{
    const QString text = QStringLiteral("ファイルを開けません");
    EXPECT_EQ(ErrorText(EAppError(text)), text);
    EXPECT_EQ(ErrorText(EPlatformError(text)), text);
    EXPECT_EQ(ErrorText(std::runtime_error(text.toStdString())), text);
}

TEST(ErrorText, OneHandlerCatchesBothButEachKeepsItsOwnType)
{
    const auto caughtAsBase = [](auto error) {
        try {
            throw error;
        } catch (const EMessageError& caught) {
            return caught.Message();
        }
    };
    EXPECT_EQ(caughtAsBase(EAppError(QStringLiteral("a"))), QStringLiteral("a"));
    EXPECT_EQ(caughtAsBase(EPlatformError(QStringLiteral("p"))), QStringLiteral("p"));
    // A handler for the application error must not swallow a platform error, which the
    // storage layer translates with its own context.
    EXPECT_THROW(
        {
            try {
                throw EPlatformError(QStringLiteral("p"));
            } catch (const EAppError&) {
            }
        },
        EPlatformError);
}
