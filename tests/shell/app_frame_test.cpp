#include "core/messages.h"
#include "platform/single_instance.h"
#include "shell/app_frame.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct AnsweredMessages {
    QStringList shown;
    TMsgResult answer = TMsgResult::Yes;
    TMessageBoxHandler previous = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult) {
        shown << text;
        return answer;
    });
    ~AnsweredMessages() { SetMessageBoxHandler(previous); }
};

} // namespace

TEST(AppFrame, MacroTableAndBuiltIns)
{
    TAppFrame frame;
    EXPECT_EQ(frame.Macro().Value(QStringLiteral("AppName")), QStringLiteral("Project"));
    frame.Load(QStringLiteral("/opt/lumarest/bin/lumarest"), QStringLiteral("1.0.0"));
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    EXPECT_EQ(Expand(QStringLiteral("$(UserPaperInfo)")), dataHome + QStringLiteral("/Lumarest/1.0/UserPaper.ppr"));
    EXPECT_EQ(Expand(QStringLiteral("$(SysRegistryKey)")), QStringLiteral("Software\\Brevantix\\Lumarest\\1.0\\Settings"));
    EXPECT_EQ(Expand(QStringLiteral("$(OpenFileHistory)")),
              QStringLiteral("Software\\Brevantix\\Lumarest\\1.0\\Settings\\OpenFileHistory"));
    EXPECT_EQ(Expand(QStringLiteral("$(SysMutexID)")), QStringLiteral("Lumarest.1.0.Kestova.Japan"));
    EXPECT_EQ(Expand(QStringLiteral("$(ExeDir)")), QStringLiteral("/opt/lumarest/bin/"));
    EXPECT_EQ(Expand(QStringLiteral("$(ExeNameNoExt)")), QStringLiteral("/opt/lumarest/bin/lumarest"));
    EXPECT_EQ(Expand(QStringLiteral("$(LongVer)")), QStringLiteral("1.0.0.0"));
    EXPECT_EQ(Expand(QStringLiteral("$(SysMsgAlreadyRun)")), QStringLiteral("Lumarestは、すでに実行中です"));
    EXPECT_EQ(Expand(QStringLiteral("$(SysMsgUnexpected)")), QStringLiteral("予期しないエラーが発生しました\r\n%s"));
}

TEST(AppFrame, StartConditions)
{
    TAppFrame frame;
    frame.Load(QStringLiteral("/usr/bin/lumarest"), QStringLiteral("1.0.0"));
    TSingleInstance first(QStringLiteral("test.") + QString::number(QCoreApplication::applicationPid()));
    ASSERT_TRUE(first.Acquire());

    AnsweredMessages messages;
    TStartEnvironment lowColour{8, [] { return true; }};
    messages.answer = TMsgResult::No;
    TSingleInstance unused(QStringLiteral("other.") + QString::number(QCoreApplication::applicationPid()));
    EXPECT_FALSE(frame.CheckStartConditions(lowColour, unused, {}));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("32,000色以上")));

    // No default printer: told, and the start goes on.
    messages.shown.clear();
    TStartEnvironment noPrinter{24, [] { return false; }};
    TSingleInstance fresh(QStringLiteral("fresh.") + QString::number(QCoreApplication::applicationPid()));
    EXPECT_TRUE(frame.CheckStartConditions(noPrinter, fresh, {}));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("通常使うプリンタがセットされていません\r\n"
                                                         "コントロールパネルのプリンタを開いて設定してください")});

    // A second instance of the same id is refused.
    messages.shown.clear();
    TSingleInstance second(QStringLiteral("test.") + QString::number(QCoreApplication::applicationPid()));
    EXPECT_FALSE(frame.CheckStartConditions(TStartEnvironment{24, [] { return true; }}, second, {}));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Lumarestは、すでに実行中です")});
}
