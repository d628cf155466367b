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
    // Paths that lead out of the data folder find nothing, even where the file exists.
    const QString outside = QDir(dir.path()).dirName() + QStringLiteral("/Lumarest.ppr");
    for (const QString& escaping : {QStringLiteral("..\\") + outside, QStringLiteral("Data/../../") + outside,
                                    QStringLiteral(":/qt-project.org/qmime/freedesktop.org.xml")})
        EXPECT_EQ(LocateDataFile(escaping), QString()) << escaping.toStdString();
    EXPECT_EQ(LocateDataFile(QStringLiteral("Data/Template/../../Lumarest.ppr")), QString());
    qunsetenv("LUMAREST_DATA_DIR");
}

TEST(InsideRelativePath, KeepsPathsThatStayInTheirFolder)
{
    EXPECT_EQ(InsideRelativePath(QStringLiteral("\\BackGrnd\\Soft\\s1.bmp")), QStringLiteral("BackGrnd/Soft/s1.bmp"));
    EXPECT_EQ(InsideRelativePath(QStringLiteral("a..b/c")), QStringLiteral("a..b/c"));
    EXPECT_EQ(InsideRelativePath(QString()), QString());
    for (const char* escaping : {"..", "a/../b", "a\\..\\..\\b", ":/resource", "/:x"})
        EXPECT_FALSE(InsideRelativePath(QString::fromLatin1(escaping))) << escaping;
}
