#include "assets/ids/image_id_list.h"

#include "core/error.h"
#include "platform/shift_jis.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TImageIDList> List(const QString& text)
{
    return TImageIDList::FromBytes(*EncodeShiftJIS(text));
}

} // namespace

TEST(ImageIDList, RangeDefinitionNumbersKeysAndIdentifiers)
{
    auto list = List(QStringLiteral("[Shade\\Soft]\r\nShortStyleDefine1=T%s,3,1,12,M%s,4,1\r\n"));
    const TIDHolder* holder = list->Holder(0);
    ASSERT_NE(holder, nullptr);
    ASSERT_EQ(holder->Keys().size(), 12);
    EXPECT_EQ(holder->Keys().front(), QStringLiteral("T001"));
    EXPECT_EQ(holder->Keys().back(), QStringLiteral("T012"));
    EXPECT_EQ(holder->Values().front(), QStringLiteral("M0001"));
    EXPECT_EQ(holder->Values().back(), QStringLiteral("M0012"));
    EXPECT_EQ(list->AssetPathOfId(QStringLiteral("m0007")), QStringLiteral("Shade/Soft/T007"));
}

TEST(ImageIDList, NineFieldRangeCarriesSheetAndLabel)
{
    auto list = List(QStringLiteral("[Disc]\r\nShortStyleDefineA=A%s,2,5,6,B%s,2,1,0,1\r\n"));
    const TIDHolder* holder = list->Holder(0);
    EXPECT_EQ(holder->Keys(), QStringList({QStringLiteral("A05,0,1"), QStringLiteral("A06,0,1")}));
    EXPECT_EQ(holder->Values(), QStringList({QStringLiteral("B01"), QStringLiteral("B02")}));
    TTemplateLabelRef label;
    ASSERT_TRUE(list->TemplateOfId(QStringLiteral("b02"), label));
    EXPECT_EQ(label.File, QStringLiteral("Disc/A06"));
    EXPECT_EQ(label.Sheet, 0);
    EXPECT_EQ(label.Label, 1);
    EXPECT_EQ(list->IdOfTemplate({QStringLiteral("/data/Template/Disc/a05.cld"), 0, 1}), QStringLiteral("B01"));
    EXPECT_TRUE(list->IdOfTemplate({QStringLiteral("/data/Template/Disc/a05.cld"), 1, 1}).isEmpty());
}

TEST(ImageIDList, EmptyRangeAddsNothingAndBadNumbersFail)
{
    EXPECT_TRUE(List(QStringLiteral("[F]\r\nShortStyleDefine=K%s,2,5,4,I%s,2,1\r\n"))->Holder(0)->Keys().isEmpty());
    auto bad = List(QStringLiteral("[F]\r\nShortStyleDefine=K%s,x,1,2,I%s,2,1\r\n"));
    EXPECT_THROW(bad->Holder(0), EAppError);
    auto huge = List(QStringLiteral("[F]\r\nShortStyleDefine=K%s,2,1,2000000000,I%s,2,1\r\n"));
    EXPECT_THROW(huge->Holder(0), EAppError);
}

// Both sides are upper-cased with the locale-aware rule: ASCII and full-width letters alike.
TEST(ImageIDList, LookupsIgnoreCaseOfAsciiAndFullWidthLetters)
{
    auto list = List(QStringLiteral("[Shade\\Star]\r\nstar_a=sx01\r\nｈｅａｒｔ=ｈｔ０１\r\n"));
    EXPECT_EQ(list->AssetPathOfId(QStringLiteral("SX01")), QStringLiteral("Shade/Star/STAR_A"));
    EXPECT_EQ(list->AssetPathOfId(QStringLiteral("ＨＴ０１")), QStringLiteral("Shade/Star/ＨＥＡＲＴ"));
    EXPECT_EQ(list->IdOfFile(QStringLiteral("/usr/share/lumarest/shade/STAR/Star_A.bmp")), QStringLiteral("SX01"));
    EXPECT_EQ(list->IdOfFile(QStringLiteral("/d/Shade/Star/Ｈｅａｒｔ.png")), QStringLiteral("ＨＴ０１"));
}

// Only the first occurrence of the folder in the file's directory counts, and it must end
// the directory.
TEST(ImageIDList, FolderMatchesOnlyAtItsFirstOccurrence)
{
    auto list = List(QStringLiteral("[Star]\r\nA=S1\r\n[Star\\Star]\r\nA=S2\r\n"));
    EXPECT_EQ(list->IdOfFile(QStringLiteral("/data/Star/A.bmp")), QStringLiteral("S1"));
    EXPECT_TRUE(list->Holder(0)->MatchesFile(QStringLiteral("/data/Star/A.bmp")));
    EXPECT_FALSE(list->Holder(0)->MatchesFile(QStringLiteral("/data/Star/Star/A.bmp")));
    EXPECT_EQ(list->IdOfFile(QStringLiteral("/data/Star/Star/A.bmp")), QStringLiteral("S2"));
    EXPECT_TRUE(list->IdOfFile(QStringLiteral("/data/Other/A.bmp")).isEmpty());
}

TEST(ImageIDList, HoldersLoadLazilyInSectionOrderAndFirstMatchWins)
{
    auto list = List(QStringLiteral("[One]\r\nA=X1\r\n[Two]\r\nB=X1\r\n[Three]\r\nC=X3\r\n"));
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->LoadedCount(), 0);
    EXPECT_EQ(list->AssetPathOfId(QStringLiteral("x1")), QStringLiteral("One/A"));
    EXPECT_EQ(list->LoadedCount(), 1);
    list->Holder(2);
    EXPECT_EQ(list->LoadedCount(), 3);
    EXPECT_EQ(list->Holder(3), nullptr);
}

TEST(ImageIDList, MissingFileAnswersNothing)
{
    TImageIDList list(QStringLiteral("/nonexistent/Shade.ids"));
    EXPECT_TRUE(list.Empty());
    TTemplateLabelRef label;
    EXPECT_FALSE(list.TemplateOfId(QStringLiteral("M0001"), label));
    EXPECT_TRUE(list.AssetPathOfId(QStringLiteral("M0001")).isEmpty());
    EXPECT_TRUE(list.IdOfFile(QStringLiteral("/x/y.bmp")).isEmpty());
}

TEST(ImageIDList, SearchMessages)
{
    EXPECT_EQ(IdNotFoundMessage(QStringLiteral("M001")), QStringLiteral("「M001」は見つかりませんでした"));
    EXPECT_EQ(TemplateDoesNotFitMessage(QStringLiteral("M001")),
              QStringLiteral("「M001」のテンプレートは現在のラベルに適合しません"));
}
