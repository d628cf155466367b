#include "platform/platform_error.h"
#include "platform/printers/ppd.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kHeader = "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*LanguageVersion: English\n"
                           "*LanguageEncoding: ISOLatin1\n*Manufacturer: \"Maker\"\n*ModelName: \"Model 1\"\n"
                           "*NickName: \"Model 1\"\n*PCFileName: \"M.PPD\"\n*Product: \"(M)\"\n*PSVersion: \"(3010) 0\"\n";

QString Write(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("test.ppd"));
    testsupport::WriteFileBytes(path, bytes);
    return path;
}

} // namespace

TEST(Ppd, HostileFilesAreRefusedWithAnError)
{
    QTemporaryDir dir;
    for (const QByteArray& bytes : {QByteArray(), QByteArray("not a ppd\n"), QByteArray(4096, '\xff'),
                                    kHeader + "*OpenUI *PageSize: PickOne\n*PageSize A4: \"x\n",
                                    QByteArray("*PPD-Adobe: \"4.3\"\n") + QByteArray(70000, 'x')}) {
        try {
            TPpd ppd(Write(dir, bytes));
            // What libcups accepts must still answer sensibly.
            for (const TPpdSize& size : ppd.Sizes())
                EXPECT_FALSE(size.Name.isEmpty());
        } catch (const EPlatformError& error) {
            EXPECT_TRUE(error.Message().startsWith(QStringLiteral("プリンタの定義ファイルを読み込めません")))
                << error.Message().toStdString();
        }
    }
    EXPECT_THROW(TPpd(dir.filePath(QStringLiteral("missing.ppd"))), EPlatformError);
}

TEST(Ppd, MarkingRefusesWhatTheFileDoesNotHave)
{
    QTemporaryDir dir;
    TPpd ppd(Write(dir, kHeader + "*OpenUI *Duplex: PickOne\n*DefaultDuplex: None\n*Duplex None/Off: \"\"\n"
                                  "*Duplex DuplexNoTumble/Long: \"\"\n*CloseUI: *Duplex\n"));
    EXPECT_EQ(ppd.Manufacturer(), QStringLiteral("Maker"));
    EXPECT_EQ(ppd.ModelName(), QStringLiteral("Model 1"));
    EXPECT_FALSE(ppd.CustomRange());
    EXPECT_EQ(ppd.Marked(QStringLiteral("Duplex")), QStringLiteral("None"));
    EXPECT_TRUE(ppd.Mark(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble")));
    EXPECT_EQ(ppd.Marked(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
    EXPECT_FALSE(ppd.Mark(QStringLiteral("Duplex"), QStringLiteral("Tumble")));
    EXPECT_FALSE(ppd.Mark(QStringLiteral("InputSlot"), QStringLiteral("CD")));
    EXPECT_FALSE(ppd.Mark(QStringLiteral("PageSize"), QStringLiteral("Custom.100x100")));
    EXPECT_EQ(ppd.Marked(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
    ppd.MarkDefaults();
    EXPECT_EQ(ppd.Marked(QStringLiteral("Duplex")), QStringLiteral("None"));
    EXPECT_TRUE(ppd.ConflictingOptions().empty());
}
