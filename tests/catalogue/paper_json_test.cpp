#include "catalogue/paper/paper_json.h"
#include "catalogue_test_support.h"

#include <QJsonArray>
#include <gtest/gtest.h>

using namespace cataloguetest;

TEST(PaperJson, DescribesThePaperAndEachFaceOnTheSheetAsUsed)
{
    auto paper = FreePaper(2100, 2970, {{100, 200, 600, 700}, {700, 200, 900, 400}}, fsDoughnut, 20);
    paper->SetPaperName(QStringLiteral("ディスク"));
    paper->SetGroupName(QStringLiteral("グループ"));
    paper->Faces()->Face(0)->SetCutCenterWidth(220);
    paper->Faces()->Face(1)->SetFaceShape(fsRoundRect);
    paper->Faces()->Face(1)->SetFacePurpose(QStringLiteral("CDCover"));
    paper->SetLandscape(true);
    const QJsonObject json = PaperJson(*paper, QStringLiteral("汎用"), true);
    EXPECT_EQ(json[QStringLiteral("name")].toString(), QStringLiteral("ディスク"));
    EXPECT_EQ(json[QStringLiteral("group")].toString(), QStringLiteral("グループ"));
    EXPECT_EQ(json[QStringLiteral("maker")].toString(), QStringLiteral("汎用"));
    EXPECT_EQ(json[QStringLiteral("kind")].toString(), QStringLiteral("free"));
    EXPECT_FALSE(json[QStringLiteral("readOnly")].toBool());
    EXPECT_TRUE(json[QStringLiteral("directPrint")].toBool());
    EXPECT_EQ(json[QStringLiteral("landscape")], QJsonValue(true));
    EXPECT_EQ(json[QStringLiteral("width")].toInt(), 2970);
    EXPECT_EQ(json[QStringLiteral("height")].toInt(), 2100);

    const QJsonArray faces = json[QStringLiteral("faces")].toArray();
    ASSERT_EQ(faces.size(), 2);
    const QJsonObject disc = faces[0].toObject();
    EXPECT_EQ(disc[QStringLiteral("left")].toInt(), 200);
    EXPECT_EQ(disc[QStringLiteral("top")].toInt(), 1500);
    EXPECT_EQ(disc[QStringLiteral("right")].toInt(), 700);
    EXPECT_EQ(disc[QStringLiteral("bottom")].toInt(), 2000);
    EXPECT_EQ(disc[QStringLiteral("shape")].toString(), QStringLiteral("fsDoughnut"));
    EXPECT_EQ(disc[QStringLiteral("margin")].toInt(), 20);
    EXPECT_EQ(disc[QStringLiteral("hole")].toArray(), QJsonArray({410, 220})); // turned with the sheet
    const QJsonObject card = faces[1].toObject();
    EXPECT_EQ(card[QStringLiteral("shape")].toString(), QStringLiteral("fsRoundRect"));
    EXPECT_EQ(card[QStringLiteral("purpose")].toString(), QStringLiteral("CDCover"));
    EXPECT_FALSE(card.contains(QStringLiteral("hole")));

    const QJsonObject matrix = PaperJson(*MatrixPaper(100, 100), {}, false);
    EXPECT_EQ(matrix[QStringLiteral("kind")].toString(), QStringLiteral("matrix"));
    EXPECT_EQ(matrix[QStringLiteral("landscape")], QJsonValue(false));
}
