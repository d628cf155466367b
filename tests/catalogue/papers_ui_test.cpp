#include "catalogue/catalogue_classes.h"
#include "catalogue/database/papers_ui.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cataloguetest;

namespace {

const QStringList kTabs{QStringLiteral("★最近使った用紙★"), QStringLiteral("ディスク"), QStringLiteral("ケース"),
                        QStringLiteral("その他"), QStringLiteral("ユーザー定義"), QStringLiteral("ダイレクトプリント\\その他")};

class PapersUI : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterCatalogueClasses();
        papers_ = std::make_unique<TPapersV2>(folder_.filePath(QStringLiteral("a.ppr")), true, false);
        papers_->AttachExtensionStores();
        Add("CDラベル 2面", "Disc", true, "B社", "CD");
        Add("ジャケット", "Case", true, "A社", "");
        Add("印刷ディスク", "Print", true, "C社", "CD");
        Add("謎の用紙", "Unmapped", true, "", "");
        Add("自作ラベル", "Disc", false, "B社", "");
        Add("ユーザー表記", "ユーザー定義", true, "D社", "");
        papers_->SetCompanyList({QStringLiteral("A社"), QStringLiteral("Z社")});
        papers_->SetGroupList({QStringLiteral("Print"), QStringLiteral("Case")});
        papers_->SetGlobalText(QStringLiteral("GenreInfo"),
                               {QStringLiteral("Disc=ディスク"), QStringLiteral("Case=ケース"),
                                QStringLiteral("Print=ダイレクトプリント\\その他"),
                                QStringLiteral("ユーザー定義=ユーザー定義")});
        papers_->SetGlobalText(QStringLiteral("SearchExtKeyInfo"), {QStringLiteral("カバー"), QStringLiteral("ジャケット")});
    }

    void Add(const char* name, const char* group, bool readOnly, const char* maker, const char* purpose)
    {
        auto paper = MatrixPaper(1000, 1000);
        paper->SetPaperName(QString::fromUtf8(name));
        paper->SetGroupName(QString::fromUtf8(group));
        paper->SetReadOnly(readOnly);
        papers_->SavePaper(*paper);
        TExPaperInfo extra;
        extra.SetPaperName(paper->PaperName());
        extra.SetCompany(QString::fromUtf8(maker));
        extra.SetPurpose(QString::fromUtf8(purpose));
        papers_->SetExtraInfo(QStringLiteral("ExtraInfos"), extra);
    }

    static QStringList Names(const TPaperRows& rows)
    {
        QStringList names;
        for (const TPaperRecord* row : rows)
            names << row->Name;
        return names;
    }

    QTemporaryDir folder_;
    std::unique_ptr<TPapersV2> papers_;
};

} // namespace

TEST_F(PapersUI, PapersGoToTheTabsOfTheirGroups)
{
    const TPapersUI ui(*papers_, kTabs, 0, 3, 4, {QStringLiteral("自作ラベル"), QStringLiteral("ジャケット")});
    const auto& records = ui.Records();
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0].Tab, 1);
    EXPECT_EQ(records[1].Tab, 2);
    EXPECT_EQ(records[2].Tab, 5);
    EXPECT_TRUE(records[2].DirectPrint);
    EXPECT_EQ(records[3].Tab, 3); // unmapped: the default tab
    EXPECT_EQ(records[4].Tab, 4); // a user paper
    EXPECT_TRUE(records[4].UserPaper);
    EXPECT_EQ(records[5].Tab, 3); // a system paper never lands on the user tab
    // Missing maker and purpose read "未設定".
    EXPECT_EQ(records[3].Maker, QStringLiteral("未設定"));
    EXPECT_EQ(records[1].Purpose, QStringLiteral("未設定"));
    EXPECT_EQ(records[0].Purpose, QStringLiteral("CD"));

    // The history tab lists the used papers in database order.
    EXPECT_EQ(Names(ui.TabRows(0)), QStringList({"ジャケット", "自作ラベル"}));
    EXPECT_EQ(Names(ui.TabRows(1)), QStringList{QStringLiteral("CDラベル 2面")});
}

TEST_F(PapersUI, ChoiceListsFollowTheStoredOrderFirst)
{
    const TPapersUI ui(*papers_, kTabs, 0, 3, 4, {});
    TPaperRows all;
    for (const TPaperRecord& record : ui.Records())
        all.push_back(&record);
    EXPECT_EQ(ui.Makers(all), QStringList({"A社", "B社", "C社", "未設定", "D社"}));
    EXPECT_EQ(ui.Groups(all), QStringList({"Print", "Case", "Disc", "Unmapped", "ユーザー定義"}));
    // The filter's makers leave the direct-print papers out.
    EXPECT_EQ(ui.FilterMakers(), QStringList({"A社", "B社", "未設定", "D社"}));
}

TEST_F(PapersUI, SearchNormalisesAndUsesSynonyms)
{
    const TPapersUI ui(*papers_, kTabs, 0, 3, 4, {});
    EXPECT_EQ(Names(ui.Search(QStringLiteral("ｃｄらべる"))), QStringList{QStringLiteral("CDラベル 2面")});
    EXPECT_EQ(Names(ui.Search(QStringLiteral("ﾗﾍﾞﾙ"))), QStringList({"CDラベル 2面", "自作ラベル"}));
    EXPECT_EQ(Names(ui.Search(QStringLiteral("かばー"))), QStringList{QStringLiteral("ジャケット")});
    EXPECT_TRUE(ui.Search(QString()).empty());
}
