#include "core/error.h"
#include "core/storage/storage_path.h"

#include <gtest/gtest.h>

TEST(StoragePath, ResolvesAgainstTheBase)
{
    struct Case { const char16_t* base; const char16_t* path; const char16_t* expected; };
    const Case cases[] = {
        {u"A\\C", u"..\\B", u"A\\B"},   {u"A\\C", u"\\X", u"X"},     {u"A\\C", u"D", u"A\\C\\D"},
        {u"A\\C", u".\\D\\.", u"A\\C\\D"}, {u"A\\C", u"D\\", u"A\\C\\D"}, {u"A\\C", u"", u"A\\C"},
        {u"A\\C", u"..\\..\\X", u"X"},  {u"", u"X\\\\Y", u"X\\Y"},   {u"A", u"..", u""},
        {u"A\\C", u"\\", u""},
    };
    for (const Case& c : cases) {
        const QString base = QString::fromUtf16(c.base);
        const QStringList resolved =
            ResolveStoragePath(base.isEmpty() ? QStringList() : base.split(u'\\'), QString::fromUtf16(c.path));
        EXPECT_EQ(StoragePathText(resolved), QString::fromUtf16(c.expected))
            << base.toStdString() << " + " << QString::fromUtf16(c.path).toStdString();
    }
}

TEST(StoragePath, ClimbingAboveTheRootFails)
{
    for (const QString& path : {QStringLiteral("..\\..\\..\\X"), QStringLiteral("\\.."), QStringLiteral("..\\..\\..")}) {
        try {
            ResolveStoragePath({QStringLiteral("A"), QStringLiteral("C")}, path);
            ADD_FAILURE() << path.toStdString();
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("too many \"..\""));
        }
    }
}

TEST(StoragePath, JoinInsertsOneSeparator)
{
    EXPECT_EQ(JoinStoragePath(QString(), QStringLiteral("N")), QStringLiteral("N"));
    EXPECT_EQ(JoinStoragePath(QStringLiteral("A"), QStringLiteral("N")), QStringLiteral("A\\N"));
    EXPECT_EQ(JoinStoragePath(QStringLiteral("A\\"), QStringLiteral("N")), QStringLiteral("A\\N"));
}
