#include "printing/config/printer_form.h"

#include "platform/printers/ppd.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

TPrinterForm Sheets()
{
    TFormInfo a4{QStringLiteral("A4"), QStringLiteral("A4"), QStringLiteral("A4"), 9, 2100, 2970};
    TFormInfo b5{QStringLiteral("B5"), QStringLiteral("JIS B5"), QStringLiteral("B5"), 10, 1820, 2570};
    TFormInfo user{QStringLiteral("Custom"), QStringLiteral("Custom"), CustomSizeChoice(1000, 1500), kUserDefinedFormId,
                   1000, 1500};
    return TPrinterForm({a4, b5, user});
}

} // namespace

TEST(PrinterForm, LookUpsBySize)
{
    const TPrinterForm forms = Sheets();
    struct Case {
        int Width, Height, Exact, Near;
    };
    for (const Case& c : {Case{2100, 2970, 0, 0}, Case{2099, 2971, 0, 0}, Case{2115, 2970, -1, 0},
                          Case{2130, 2970, -1, -1}, Case{2970, 2100, -1, -1}, Case{1820, 2570, 1, 1}})
    {
        EXPECT_EQ(forms.IndexBySize(c.Width, c.Height), c.Exact) << c.Width << "x" << c.Height;
        EXPECT_EQ(forms.IndexBySizeNear(c.Width, c.Height), c.Near) << c.Width << "x" << c.Height;
    }
}

TEST(PrinterForm, LookUpsByIdAndName)
{
    const TPrinterForm forms = Sheets();
    EXPECT_EQ(forms.IndexById(10), 1);
    EXPECT_EQ(forms.IndexById(kUserDefinedFormId), 2);
    EXPECT_EQ(forms.IndexById(11), -1);
    EXPECT_EQ(forms.IndexByName(QStringLiteral("a4")), 0);
    EXPECT_EQ(forms.IndexByName(QStringLiteral("jis b5")), 1);
    EXPECT_EQ(forms.IndexByName(QStringLiteral("A5")), -1);
}

TEST(PrinterForm, Descriptions)
{
    const TPrinterForm forms = Sheets();
    EXPECT_EQ(FormDescriptionForSettings(forms, 2100, 2970), QStringLiteral("A4"));
    EXPECT_EQ(FormDescriptionForSettings(forms, 2115, 2970), QStringLiteral("A4"));
    EXPECT_EQ(FormDescriptionForSettings(forms, 2130, 2970), QStringLiteral("213 x 297mm"));
    EXPECT_EQ(FormDescriptionForSettings(forms, 1000, 1500), QStringLiteral("100 x 150mm"));
    EXPECT_EQ(FormDescriptionForConfirmation(forms, 9, 2100, 2970), QStringLiteral("A4"));
    EXPECT_EQ(FormDescriptionForConfirmation(forms, 9, 2130, 2970), QStringLiteral("213 x 297mm"));
    EXPECT_EQ(FormDescriptionForConfirmation(forms, kUserDefinedFormId, 1005, 1500), QStringLiteral("100 x 150mm"));
    EXPECT_EQ(forms.Names(), QStringLiteral("A4\nJIS B5\nユーザー定義(100 x 150mm)"));
}

TEST(PrinterForm, FormsOfAPrinterDescription)
{
    const TPpd ppd(testsupport::FixturePath(QStringLiteral("disc-printer.ppd")));
    const TPrinterForm forms = TPrinterForm::FromPpd(ppd);
    // A4 in points (595 x 842) comes to 2099 x 2970 units: still the exact match.
    const int a4 = forms.IndexBySize(2100, 2970);
    ASSERT_GE(a4, 0);
    EXPECT_EQ(forms.Form(a4).Name, QStringLiteral("A4"));
    EXPECT_EQ(forms.Form(a4).Width, 2099);
    EXPECT_EQ(forms.Form(a4).Left, 64);
    EXPECT_EQ(forms.Form(a4).Top, 127);
    const int custom = forms.IndexById(kUserDefinedFormId);
    ASSERT_EQ(custom, forms.Count() - 1);
    EXPECT_EQ(forms.Form(custom).Width, PointsToUnits(612));
    EXPECT_EQ(FormListName(forms.Form(custom)), QStringLiteral("ユーザー定義(215.9 x 352.8mm)"));
}
