#include "../shapes/shape_test_support.h"
#include "catalogue/product/product_info.h"
#include "core/persistent/string_list.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "graphics/color/color_fill.h"
#include "objects/dates/date_object.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/data_field_chooser.h"
#include "objects/ui/pattern_picker.h"
#include "objects/ui/text_designers.h"
#include "objects/ui/text_edit_dialog.h"
#include "text/distortion/cdd_file.h"
#include "text/distortion/coons_distortion.h"
#include "text/object/shade_text.h"
#include "text/point_based_font.h"
#include "text/text_classes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kPatternFile = QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.cdd");
const QString kStripFile = QStringLiteral(LUMAREST_BINARY_DIR "/data/TransformPattern.bmp");

class TextDialog : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterShapeTestClasses();
        RegisterTextClasses();
    }
};

TTextEditOptions Shipped(bool advanced)
{
    TTextEditOptions options;
    options.PatternFile = kPatternFile;
    options.StripFile = kStripFile;
    options.Advanced = advanced;
    return options;
}

std::unique_ptr<TLOText> Sample()
{
    auto text = std::make_unique<TLOText>();
    text->SetBoundsRect({100, 100, 700, 300});
    text->Text()->SetLines({QStringLiteral("Title"), QStringLiteral("タイトル")});
    text->TextFont()->SetName(QStringLiteral("IPAGothic"));
    text->TextFont()->SetSize(30);
    text->SetAngle(20);
    return text;
}

// A distortion of the object's own, found in no pattern file.
void SetTrapezoidForTest(TCoonsDistortion& distortion)
{
    for (int side = 0; side < 4; ++side)
        distortion.SetCount(side, 2);
    distortion.SetPoint(kSideTop, 0, {0.25, 0});
    distortion.SetPoint(kSideTop, 1, {0.75, 0});
    distortion.SetPoint(kSideBottom, 0, {0, 1});
    distortion.SetPoint(kSideBottom, 1, {1, 1});
}

// Edits every group of fields away from the sample's values.
void EditFields(TfrmTextEdit& dialog)
{
    dialog.LinesField()->setPlainText(QStringLiteral("一行目\nsecond"));
    dialog.FontSizeField()->setCurrentText(QStringLiteral("18"));
    dialog.BoldField()->setChecked(true);
    dialog.AlignField()->setCurrentIndex(1);
    dialog.TextColorField()->SetSolidColor(0x0000FF);
    dialog.OutlineField()->setChecked(true);
    dialog.OutlineColorField()->SetSolidColor(0x00FF00);
    dialog.OutlineWidthField()->setValue(0.5);
    dialog.ShadowXField()->setValue(7);
    dialog.ShadowYField()->setValue(7);
    dialog.SoftShadowField()->setChecked(true);
    dialog.WizardInputField()->setChecked(true);
    dialog.WizardCaptionField()->setText(QStringLiteral("アルバム名"));
}

// Runs the double-click edit of the object, letting act handle the dialog once it shows;
// true when the edit was confirmed.
bool EditByDoubleClick(TLabelObject& object, const std::function<void(TfrmTextEdit&)>& act)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<TfrmTextEdit*>(QApplication::activeModalWidget())) {
            shown = true;
            act(*dialog);
        }
    });
    const bool confirmed = object.Edit();
    EXPECT_TRUE(shown) << "the text dialog did not open";
    return confirmed;
}

} // namespace

TEST_F(TextDialog, OkOnADoubleClickWritesTheValuesAsOneUndoableChange)
{
    TEditContext context;
    RegisterTextDesigners(context.Designers(), +[] { return true; });
    TEditSite site(context);
    auto* text = static_cast<TLOText*>(site.AddObject(Sample()));
    const QByteArray before = StreamBytes(*text);
    ASSERT_TRUE(EditByDoubleClick(*text, [](TfrmTextEdit& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("文字の設定"));
        EditFields(dialog);
        dialog.accept();
    }));
    EXPECT_EQ(text->Text()->Lines(), (QStringList{QStringLiteral("一行目"), QStringLiteral("second")}));
    EXPECT_EQ(text->Font().Size(), 18);
    EXPECT_TRUE(text->Font().HasStyle(fsBold));
    EXPECT_EQ(text->Align(), 1);
    EXPECT_EQ(text->TextColor()->Color(), TColor(0x0000FF));
    EXPECT_TRUE(text->Outline());
    EXPECT_EQ(text->OutlineColor()->Color(), TColor(0x00FF00));
    EXPECT_EQ(text->OutLineWidth(), 5);
    EXPECT_EQ(text->Shadow(), 8);
    EXPECT_TRUE(text->ShadeShadowEnable());
    EXPECT_TRUE(text->WizInputEnable());
    EXPECT_EQ(text->WizInputCaption(), QStringLiteral("アルバム名"));
    EXPECT_EQ(text->Angle(), 20);
    EXPECT_EQ(text->BoundsRect(), TRect(100, 100, 700, 300));

    ASSERT_TRUE(context.Actions().CanUndo());
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("設定変更"));
    context.Actions().Undo();
    EXPECT_EQ(StreamBytes(*text), before);
    EXPECT_FALSE(context.Actions().CanUndo()); // exactly one step
}

TEST_F(TextDialog, CancelLeavesTheObjectAndTheUndoListAsTheyWere)
{
    TEditContext context;
    RegisterTextDesigners(context.Designers(), +[] { return true; });
    TEditSite site(context);
    auto* text = static_cast<TLOText*>(site.AddObject(Sample()));
    const QByteArray before = StreamBytes(*text);
    EXPECT_FALSE(EditByDoubleClick(*text, [](TfrmTextEdit& dialog) {
        EditFields(dialog);
        dialog.VerticalField()->setChecked(true);
        dialog.reject();
    }));
    EXPECT_EQ(StreamBytes(*text), before);
    EXPECT_FALSE(context.Actions().CanUndo());
}

TEST_F(TextDialog, AnUntouchedDialogWritesBackTheSameObject)
{
    auto text = Sample();
    text->SetOutline(true);
    text->SetOutLineWidth(3);
    text->SetShadowOffsetX(5);
    text->SetShadowOffsetY(-4);
    text->SetDistortionRatio(150);
    text->TextFont()->SetStyle(FontStyleBit(fsItalic) | FontStyleBit(fsUnderline));
    text->SetVertical(true);
    const QByteArray before = StreamBytes(*text);
    TfrmTextEdit dialog(*text, Shipped(false));
    EXPECT_EQ(dialog.ShadowField()->currentIndex(), kCustomShadow);
    EXPECT_TRUE(dialog.VerticalField()->isChecked());
    dialog.WriteBack(*text);
    EXPECT_EQ(StreamBytes(*text), before);
}

TEST_F(TextDialog, TurningToVerticalTransposesTheRectangleShownOnThePositionPage)
{
    auto text = Sample();
    TfrmTextEdit dialog(*text, Shipped(false));
    dialog.VerticalField()->setChecked(true);
    dialog.WriteBack(*text);
    EXPECT_TRUE(text->Vertical());
    EXPECT_EQ(RectWidth(text->BoundsRect()), 200);
    EXPECT_EQ(RectHeight(text->BoundsRect()), 600);
}

TEST_F(TextDialog, WizardSettingsShowOnlyInAdvancedModeForObjectsThatOfferThem)
{
    auto text = Sample();
    for (const bool advanced : {false, true}) {
        TfrmTextEdit dialog(*text, Shipped(advanced));
        EXPECT_EQ(dialog.WizardGroup()->isHidden(), !advanced);
        dialog.WizardInputField()->setChecked(true);
        auto copy = Sample();
        dialog.WriteBack(*copy);
        EXPECT_EQ(copy->WizInputEnable(), advanced); // hidden settings are not written
    }
    TLODate date;
    TfrmTextEdit dialog(date, Shipped(true));
    EXPECT_TRUE(dialog.WizardGroup()->isHidden());
    EXPECT_TRUE(dialog.SoftShadowField()->isHidden());
}

TEST_F(TextDialog, ATextIsBoundToAFieldOfTheDocumentsInformationOrTypedByHand)
{
    TProductInfo product;
    std::unique_ptr<TProductInfo> creator = NewCreatorInfo();
    TTextEditOptions options = Shipped(false);
    options.Records = {&product, creator.get(), nullptr};

    auto text = Sample();
    {
        TfrmTextEdit dialog(*text, options);
        TDataFieldChooser& field = *dialog.DataField();
        EXPECT_TRUE(field.ManualField()->isChecked());
        EXPECT_FALSE(field.FieldList()->isEnabled());
        field.BoundField()->setChecked(true);
        field.TypeField()->setCurrentIndex(ftCreatorJapanese);
        ASSERT_EQ(field.FieldList()->count(), 11);
        EXPECT_EQ(field.FieldList()->item(2)->text(), QStringLiteral("TEL"));
        field.FieldList()->setCurrentRow(2);
        dialog.WriteBack(*text);
    }
    EXPECT_EQ(text->FieldNo(), 3);
    EXPECT_EQ(text->FieldType(), ftCreatorJapanese);
    // The typed text stays until the information is next applied.
    EXPECT_EQ(text->Text()->Lines().front(), QStringLiteral("Title"));
    {
        TfrmTextEdit dialog(*text, options);
        TDataFieldChooser& field = *dialog.DataField();
        EXPECT_TRUE(field.BoundField()->isChecked());
        EXPECT_EQ(field.TypeField()->currentIndex(), ftCreatorJapanese);
        EXPECT_EQ(field.FieldList()->currentRow(), 2);
        // The English record is missing; its fixed names are still offered.
        field.TypeField()->setCurrentIndex(ftCreatorEnglish);
        EXPECT_EQ(field.FieldList()->item(0)->text(), QStringLiteral("COMPANY"));
        field.ManualField()->setChecked(true);
        dialog.WriteBack(*text);
    }
    EXPECT_EQ(text->FieldNo(), 0);
}

TEST_F(TextDialog, AMissingOrDamagedPatternFileGivesAnEmptyListAndAMessage)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.cdd"));
    const QString empty = dir.filePath(QStringLiteral("empty.cdd"));
    const QString cut = dir.filePath(QStringLiteral("cut.cdd"));
    QFile shipped(kPatternFile);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    for (const auto& [path, content] : {std::pair{garbage, QByteArray(4096, '\x5A')}, std::pair{empty, QByteArray()},
                                        std::pair{cut, bytes.left(bytes.size() / 3)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    auto text = Sample();
    SetTrapezoidForTest(*text->CoonsDistortion());
    const QByteArray before = StreamBytes(*text);
    for (const QString& path : {dir.filePath(QStringLiteral("missing.cdd")), garbage, empty, cut}) {
        TTextEditOptions options = Shipped(false);
        options.PatternFile = path;
        TfrmTextEdit dialog(*text, options);
        EXPECT_EQ(dialog.Patterns()->count(), 0) << path.toStdString();
        EXPECT_FALSE(dialog.PatternMessage()->isHidden()) << path.toStdString();
        EXPECT_FALSE(dialog.PatternMessage()->text().isEmpty()) << path.toStdString();
        // The object's own distortion survives switching it off and on again.
        dialog.DistortedField()->setChecked(false);
        dialog.DistortedField()->setChecked(true);
        dialog.WriteBack(*text);
        EXPECT_EQ(StreamBytes(*text), before) << path.toStdString();
    }
}

TEST_F(TextDialog, AChosenPatternIsSelectedAgainWhenTheDialogReopens)
{
    const TCDDFile file(kPatternFile);
    ASSERT_GE(file.Count(), 4);
    auto text = Sample();
    {
        TfrmTextEdit dialog(*text, Shipped(false));
        EXPECT_EQ(dialog.Patterns()->count(), file.Count());
        EXPECT_TRUE(dialog.PatternMessage()->isHidden());
        EXPECT_FALSE(dialog.Patterns()->isEnabled());
        dialog.DistortedField()->setChecked(true);
        dialog.Patterns()->setCurrentRow(3);
        dialog.WriteBack(*text);
    }
    TCoonsDistortion third;
    file.LoadPattern(3, third);
    EXPECT_EQ(text->CoonsDistortion()->Id(), third.Id());
    EXPECT_TRUE(text->IsDistorted());
    {
        TfrmTextEdit dialog(*text, Shipped(false));
        EXPECT_TRUE(dialog.DistortedField()->isChecked());
        ASSERT_EQ(dialog.Patterns()->selectedItems().size(), 1);
        EXPECT_EQ(dialog.Patterns()->currentRow(), 3);
        dialog.DistortedField()->setChecked(false);
        dialog.WriteBack(*text);
    }
    EXPECT_TRUE(text->CoonsDistortion()->IsEmpty());
}
