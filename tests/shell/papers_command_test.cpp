// "lumarest papers" run as a process over the generated system catalogue.
#include "support/test_support.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using testsupport::RunProgram;

int SourcePaperCount()
{
    const QDir sources(QStringLiteral(LUMAREST_SOURCE_DIR "/data/papers"));
    return static_cast<int>(sources.entryList({QStringLiteral("*.json")}, QDir::Files).size()) - 1;
}

QJsonObject Find(const QJsonArray& papers, const QString& name)
{
    for (const QJsonValue& paper : papers)
        if (paper[QStringLiteral("name")].toString() == name)
            return paper.toObject();
    return {};
}

} // namespace

TEST(PapersCommand, JsonListsTheShippedCatalogue)
{
    QByteArray out;
    ASSERT_EQ(RunProgram(QStringLiteral(LUMAREST_PROGRAM), {QStringLiteral("papers"), QStringLiteral("--json")}, &out), 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(out, &error);
    ASSERT_TRUE(document.isArray()) << error.errorString().toStdString();
    const QJsonArray papers = document.array();
    EXPECT_EQ(papers.size(), SourcePaperCount());

    int directPrint = 0;
    for (const QJsonValue& value : papers) {
        const QJsonObject paper = value.toObject();
        for (const char* key : {"name", "group", "maker", "kind", "readOnly", "directPrint", "width", "height", "faces"})
            EXPECT_TRUE(paper.contains(QLatin1String(key))) << key;
        directPrint += paper[QStringLiteral("directPrint")].toBool() ? 1 : 0;
        for (const QJsonValue& face : paper[QStringLiteral("faces")].toArray()) {
            const QJsonObject f = face.toObject();
            const int margin = f[QStringLiteral("margin")].toInt();
            EXPECT_GE(f[QStringLiteral("left")].toInt() - margin, 0);
            EXPECT_LE(f[QStringLiteral("right")].toInt() + margin, paper[QStringLiteral("width")].toInt());
            EXPECT_LE(f[QStringLiteral("bottom")].toInt() + margin, paper[QStringLiteral("height")].toInt());
            EXPECT_EQ(f.contains(QStringLiteral("hole")), f[QStringLiteral("shape")].toString() == "fsDoughnut" ||
                                                              f[QStringLiteral("shape")].toString() == "fsRectCD" ||
                                                              f[QStringLiteral("shape")].toString() == "fsBarrelCD");
        }
    }
    EXPECT_GE(directPrint, 3);

    const QJsonObject disc = Find(papers, QStringLiteral("CDラベル A4 2面 117mm 内径41mm"));
    ASSERT_FALSE(disc.isEmpty());
    EXPECT_EQ(disc[QStringLiteral("group")].toString(), QStringLiteral("CD・DVDラベル"));
    EXPECT_EQ(disc[QStringLiteral("maker")].toString(), QStringLiteral("汎用"));
    EXPECT_EQ(disc[QStringLiteral("kind")].toString(), QStringLiteral("matrix"));
    EXPECT_TRUE(disc[QStringLiteral("readOnly")].toBool());
    EXPECT_FALSE(disc[QStringLiteral("directPrint")].toBool());
    EXPECT_EQ(disc[QStringLiteral("width")].toInt(), 2100);
    EXPECT_EQ(disc[QStringLiteral("height")].toInt(), 2970);
    const QJsonArray faces = disc[QStringLiteral("faces")].toArray();
    ASSERT_EQ(faces.size(), 2);
    const QJsonObject second = faces[1].toObject();
    EXPECT_EQ(second[QStringLiteral("left")].toInt(), 465);
    EXPECT_EQ(second[QStringLiteral("top")].toInt(), 1585);
    EXPECT_EQ(second[QStringLiteral("right")].toInt(), 1635);
    EXPECT_EQ(second[QStringLiteral("bottom")].toInt(), 2755);
    EXPECT_EQ(second[QStringLiteral("shape")].toString(), QStringLiteral("fsDoughnut"));
    EXPECT_EQ(second[QStringLiteral("purpose")].toString(), QStringLiteral("CD"));
    EXPECT_EQ(second[QStringLiteral("margin")].toInt(), 20);
    EXPECT_EQ(second[QStringLiteral("hole")].toArray(), QJsonArray({410, 410}));

    const QJsonObject set = Find(papers, QStringLiteral("CDジャケット・バックインレイ A4 セット"));
    EXPECT_EQ(set[QStringLiteral("kind")].toString(), QStringLiteral("free"));
    EXPECT_TRUE(Find(papers, QStringLiteral("プリンタブルディスク キヤノン対応 120mm ハブ印刷 内径22mm"))
                    [QStringLiteral("directPrint")].toBool());
}

TEST(PapersCommand, TableHasAHeaderAndOneLinePerPaper)
{
    QByteArray out;
    ASSERT_EQ(RunProgram(QStringLiteral(LUMAREST_PROGRAM), {QStringLiteral("papers")}, &out), 0);
    const QStringList lines = QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), SourcePaperCount() + 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("用紙名\t")));
    EXPECT_TRUE(lines.contains(QStringLiteral("CDラベル A4 2面 117mm 内径41mm\tCD・DVDラベル\t汎用\t1x2\t210 x 297mm\tラベル用紙")));

    QByteArray err;
    EXPECT_EQ(RunProgram(QStringLiteral(LUMAREST_PROGRAM), {QStringLiteral("papers"), QStringLiteral("--xml")}, nullptr,
                         60000, &err),
              2);
    EXPECT_TRUE(err.contains("papers [--json]"));
}
