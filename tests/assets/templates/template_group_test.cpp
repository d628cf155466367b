#include "assets/templates/template_group.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TemplateGroup, GenresPairDirsWithNamesForThePurpose)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("Disc/Simple"));
    QDir(dir.path()).mkpath(QStringLiteral("Disc/Photo"));
    QFile file(dir.filePath(QStringLiteral("Template.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[DiscLabel]\r\nDir=Disc\\Simple,Disc\\Photo,Disc\\Gone\r\nName=Simple,Photo\r\n[Empty]\r\n");
    file.close();

    TTemplateGroup group(file.fileName());
    EXPECT_TRUE(group.Found());
    group.SetPurpose(QStringLiteral("DiscLabel"));
    EXPECT_EQ(group.Names(), QStringList({QStringLiteral("Simple"), QStringLiteral("Photo")}));
    EXPECT_EQ(group.GenreFolder(1), dir.filePath(QStringLiteral("Disc/Photo")));
    EXPECT_EQ(group.GenreFolder(2), QString());
    EXPECT_EQ(group.GenreFolder(-1), QString());
    EXPECT_EQ(group.GenreOfFile(dir.filePath(QStringLiteral("Disc/Photo/a.cld"))), 1);
    EXPECT_EQ(group.GenreOfFile(dir.filePath(QStringLiteral("Disc/a.cld"))), -1);

    group.SetPurpose(QStringLiteral("Empty"));
    EXPECT_EQ(group.Count(), 0);
    group.SetPurpose(QStringLiteral("Missing"));
    EXPECT_EQ(group.Count(), 0);
}

TEST(TemplateGroup, MissingCatalogueHasNoGenres)
{
    TTemplateGroup group(QStringLiteral("/nonexistent/Template.dat"));
    EXPECT_FALSE(group.Found());
    group.SetPurpose(QStringLiteral("DiscLabel"));
    EXPECT_EQ(group.Count(), 0);
}
