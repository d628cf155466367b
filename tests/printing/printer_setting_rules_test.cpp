#include "printing/disc/media_tables.h"
#include "printing/disc/printer_setting_rules.h"

#include <gtest/gtest.h>

TEST(PrinterSettingRules, CandidatesComeDriverGroupMakerThenDefaults)
{
    const TPrinterSettingRules rules(QStringList{
        QStringLiteral("[canon.printergroup]"), QStringLiteral("Canon PIXMA iP4500=Gutenprint"),
        QStringLiteral("[Canon.Canon PIXMA iP4500.Paper.0]"), QStringLiteral("特製紙=GlossyPro"),
        QStringLiteral("[Canon.Gutenprint.Paper.0]"), QStringLiteral("特製紙=PhotopaperPlus"),
        QStringLiteral("[Canon.Paper.0]"), QStringLiteral("特製紙 = Coated"), QStringLiteral("@@CDRdefault=DiscCompat"),
        QStringLiteral("@@default=Plain"), QStringLiteral("garbage line"),
        QStringLiteral("[Canon.Paper.1]"), QStringLiteral("@@cdrDEFAULT=DiscOthers"),
        // The series ends at the first section without the key: 3 is never reached.
        QStringLiteral("[Canon.Paper.3]"), QStringLiteral("@@default=Hagaki")});
    EXPECT_EQ(rules.MediaCandidates(QStringLiteral("Canon"), QStringLiteral("Canon PIXMA iP4500"), QStringLiteral("特製紙"),
                                    QStringLiteral("CDR")),
              (QStringList{QStringLiteral("GlossyPro"), QStringLiteral("PhotopaperPlus"), QStringLiteral("Coated"),
                           QStringLiteral("DiscCompat"), QStringLiteral("DiscOthers"), QStringLiteral("Plain")}));
    EXPECT_EQ(rules.MediaCandidates(QStringLiteral("CANON"), QStringLiteral("Other"), QStringLiteral("普通"), {}),
              QStringList{QStringLiteral("Plain")});
    EXPECT_TRUE(rules.MediaCandidates(QStringLiteral("Epson"), QStringLiteral("x"), QStringLiteral("y"), {}).isEmpty());
}

TEST(MediaTables, NamesAndSheets)
{
    EXPECT_EQ(EpsonMediaName(283), QStringLiteral("CD-R ﾚｰﾍﾞﾙ"));
    EXPECT_EQ(EpsonMediaName(999), QStringLiteral("不明な用紙種類(999)"));
    EXPECT_EQ(QualityNames().front(), QStringLiteral("きれい"));
    EXPECT_EQ(AddedFormName(2100, 2970), QStringLiteral("A4(210 x 297mm)"));
    EXPECT_EQ(AddedFormName(1200, 1200), QStringLiteral("120 x 120mm"));
}
