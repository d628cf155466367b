#include "core/frame/data_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LocateDataFile, PlainPathsWildcardsAndFolders)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data/Template"));
    for (const char* name : {"Data/Template/b.clt", "Data/Template/a.clt", "Data/Template/notes.txt", "Lumarest.ppr"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    qputenv("LUMAREST_DATA_DIR", dir.path().toLocal8Bit());
    EXPECT_EQ(LocateDataFile(QStringLiteral("Lumarest.ppr")), dir.filePath(QStringLiteral("Lumarest.ppr")));
    EXPECT_EQ(LocateDataFile(QStringLiteral("Data\\Template")), dir.filePath(QStringLiteral("Data/Template")));
    EXPECT_EQ(LocateDataFile(QStringLiteral("Data\\Template\\*.clt")), dir.filePath(QStringLiteral("Data/Template/a.clt")));
    EXPECT_EQ(LocateDataFile(QStringLiteral("Data\\Template\\?.clt")), dir.filePath(QStringLiteral("Data/Template/a.clt")));
    EXPECT_EQ(LocateDataFile(QStringLiteral("Data\\Template\\*.cjd")), QString());
    EXPECT_EQ(LocateDataFile(QStringLiteral("Missing.dat")), QString());
    qunsetenv("LUMAREST_DATA_DIR");
}
