// The print request made from the dialog's values, and the offset settings.
#include "printing/pipeline/print_request.h"

#include "core/error.h"
#include "core/frame/settings.h"
#include "support/settings_macros.h"

#include <gtest/gtest.h>

TEST(PrintSpec, DialogValuesMakeThePrintRequest)
{
    TPrintDialogValues values;
    values.Copies = 4;
    values.PrintFrame = values.PrintCutLine = values.PrintPaperImage = values.BlurEdge = true;
    values.AllFaces = false;
    values.FaceChoice = {0, 1, 1};
    values.Offset = QPoint(-12, 30);
    TPrintSpec spec = MakePrintSpec(values, 3, false);
    EXPECT_EQ(spec.Copies, 4);
    EXPECT_TRUE(spec.PrintFrame && spec.PrintCutLine && spec.PrintPaperImage && spec.BlurEdge);
    EXPECT_FALSE(spec.Prints(0));
    EXPECT_TRUE(spec.Prints(1) && spec.Prints(2));
    EXPECT_FALSE(spec.Prints(3));
    EXPECT_EQ(spec.Offset, QPoint(-12, 30));
    EXPECT_EQ(spec.Gamma, 0);

    // A direct-print paper prints no outlines, cut lines or pattern; a disabled offset is
    // (0, 0); a face choice made for another face count is dropped.
    values.OffsetEnabled = false;
    spec = MakePrintSpec(values, 2, true, 2);
    EXPECT_FALSE(spec.PrintFrame || spec.PrintCutLine || spec.PrintPaperImage);
    EXPECT_TRUE(spec.BlurEdge);
    EXPECT_EQ(spec.Offset, QPoint());
    EXPECT_FALSE(spec.Prints(1));
    EXPECT_DOUBLE_EQ(spec.Gamma, 0.3);
    // A paper of one face prints it whatever is chosen.
    EXPECT_TRUE(MakePrintSpec(values, 1, false).Prints(0));
    EXPECT_THROW(MakePrintSpec(values, 1, false, 9), EAppError);
}

TEST(PrintSpec, CheckRefusesValuesOutOfRange)
{
    const auto refused = [](auto change) {
        TPrintSpec spec;
        change(spec);
        EXPECT_THROW(spec.Check(), EAppError);
    };
    refused([](TPrintSpec& s) { s.Copies = 0; });
    refused([](TPrintSpec& s) { s.Copies = 100; });
    refused([](TPrintSpec& s) { s.Resolution = 50; });
    refused([](TPrintSpec& s) { s.Gamma = -1; });
    refused([](TPrintSpec& s) { s.Offset = QPoint(101, 0); });
    TPrintSpec fine;
    fine.Copies = 99;
    fine.Resolution = 2400;
    fine.Offset = QPoint(-100, 100);
    EXPECT_NO_THROW(fine.Check());
}

TEST(PrintSpec, OffsetSettingsAreReadClampedAndWritten)
{
    const testsupport::TSettingsMacros macros;
    TPrintDialogValues values;
    ReadPrintOffsetSettings(values);
    EXPECT_EQ(values.Offset, QPoint());
    EXPECT_TRUE(values.OffsetEnabled);

    WriteInteger(QStringLiteral("PrintLeftOffset"), 5000);
    WriteInteger(QStringLiteral("PrintTopOffset"), -7);
    WriteBool(QStringLiteral("PrintOffsetEnabled"), false);
    ReadPrintOffsetSettings(values);
    EXPECT_EQ(values.Offset, QPoint(kMaxPrintOffset, -7));
    EXPECT_FALSE(values.OffsetEnabled);

    values.Offset = QPoint(15, -25);
    values.OffsetEnabled = true;
    WritePrintOffsetSettings(values);
    EXPECT_EQ(ReadInteger(QStringLiteral("PrintLeftOffset"), 0), 15);
    EXPECT_EQ(ReadInteger(QStringLiteral("PrintTopOffset"), 0), -25);
    EXPECT_TRUE(ReadBool(QStringLiteral("PrintOffsetEnabled"), false));
}
