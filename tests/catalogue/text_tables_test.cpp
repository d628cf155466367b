#include "catalogue/database/text_tables.h"

#include <gtest/gtest.h>

TEST(TextTables, ValuesByNameWithoutRegardToCase)
{
    const QStringList table{QStringLiteral("A4 Label=Label"), QStringLiteral("x=y=z"), QStringLiteral("noequals"),
                            QStringLiteral("a4 label=second")};
    EXPECT_EQ(TableValue(table, QStringLiteral("a4 LABEL")), QStringLiteral("Label"));
    EXPECT_EQ(TableValue(table, QStringLiteral("x")), QStringLiteral("y=z"));
    EXPECT_EQ(TableValue(table, QStringLiteral("noequals")), std::nullopt);
    EXPECT_EQ(MappedName(table, QStringLiteral("other")), QStringLiteral("other"));
    EXPECT_TRUE(IsDirectPrintTab(QStringLiteral("ダイレクトプリント\\エプソン")));
    EXPECT_FALSE(IsDirectPrintTab(QStringLiteral("CD-R・DVDラベル")));
}

TEST(TextTables, SearchMatchesNormalisedNamesAndSynonyms)
{
    const QStringList synonyms{QStringLiteral("ﾚｰﾍﾞﾙ"), QStringLiteral("ラベル"), QStringLiteral("odd")};
    struct Case {
        const char* name;
        const char* search;
        bool matches;
    };
    const Case cases[] = {
        {"CDラベル A4 2面", "cdらべる", true},   // upper case, full width, katakana
        {"CDラベル A4 2面", "ＣＤﾗﾍﾞﾙ", true},   // half-width kana with a voicing mark
        {"CDラベル A4 2面", "レーベル", true},  // synonym line 0 finds names with line 1
        {"CDジャケット", "レーベル", false},
        {"CDジャケット", "", false},
        {"odd", "odd", true},                  // a lone last line is no synonym, but still a name
        {"名刺CD", "ラベル", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaperNameMatches(QString::fromUtf8(c.name), QString::fromUtf8(c.search), synonyms), c.matches)
            << c.name << " / " << c.search;
    EXPECT_EQ(PaperSearchKey(QStringLiteral("ab-ｶﾞ")), QStringLiteral("ＡＢ－ガ"));
}
