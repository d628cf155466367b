// The decorative string's dialog and designer: refusals that keep the dialog open, the
// font list of numbered folders with its samples, the preview, OK as one undoable change,
// Cancel, and a new string made by the creator.
#include "creation_site.h"
#include "../image_font_fixtures.h"
#include "core/messages.h"
#include "core/stream/component_stream.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "objects/deco/deco_string.h"
#include "objects/deco/image_font.h"
#include "objects/object_classes.h"
#include "objects/ui/creator_designer.h"
#include "objects/ui/deco_string_designer.h"
#include "objects/ui/deco_string_dialog.h"
#include "objects/ui/image_font_list.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/position_page.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <tuple>
#include <gtest/gtest.h>

namespace {

const QString kInvalid = QStringLiteral("飾り文字には「A～Z、a～z、0～9、?、!」しか使えません");
const QString kEmpty = QStringLiteral("文字列が入力されていません");

class DecoStringDialog : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterLabelObjectClasses();
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult answer) {
            messages << text;
            return answer;
        });
    }
    void TearDown() override { SetMessageBoxHandler(previous_); }

    // Answers the next modal dialog with the steps once it is shown.
    static void Answer(std::function<void(TfrmDecoString&)> steps)
    {
        QTimer::singleShot(0, [steps] {
            auto* dialog = qobject_cast<TfrmDecoString*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            steps(*dialog);
        });
    }

    QStringList messages;

private:
    TMessageBoxHandler previous_;
};

// Rows of the image with a pixel of the colour, within the rectangle.
int RowsWith(const QImage& image, const QRect& rect, QRgb colour)
{
    int rows = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        bool found = false;
        for (int x = rect.left(); x <= rect.right() && !found; ++x)
            found = (image.pixel(x, y) & 0xFFFFFF) == colour;
        rows += found;
    }
    return rows;
}

QCheckBox* ActualSizeBox(QWidget& dialog)
{
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->text() == QStringLiteral("実際の大きさで表示する(&Y)"))
            return box;
    return nullptr;
}

} // namespace

TEST_F(DecoStringDialog, RefusesEmptyTextsAndCharactersWithoutGlyphsAndStaysOpen)
{
    struct Case {
        const char* Text;
        const QString* Message; // nullptr: accepted
    };
    const Case cases[] = {
        {"", &kEmpty},         {"Lumarest!", nullptr}, {"Az 09?!", nullptr}, {" ", nullptr},
        {"A-B", &kInvalid},    {"Ａ", &kInvalid},      {"A\tB", &kInvalid},  {"A　B", &kInvalid},
        {"日本", &kInvalid},   {"a.b", &kInvalid},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Text);
        messages.clear();
        TLODecoString deco;
        TfrmDecoString dialog(deco, false, QString());
        dialog.show();
        dialog.TextEdit()->setText(QString::fromUtf8(test.Text));
        dialog.accept();
        EXPECT_EQ(IsDecoStringText(QString::fromUtf8(test.Text)), !test.Message || test.Message == &kEmpty);
        if (test.Message) {
            EXPECT_EQ(messages, QStringList{*test.Message});
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_NE(dialog.result(), QDialog::Accepted);
        } else {
            EXPECT_TRUE(messages.isEmpty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }
}

TEST_F(DecoStringDialog, ListsTheNumberedFontFoldersInNumericOrderWithTheirSamples)
{
    QTemporaryDir root;
    MakeFont(root.path(), "10", 64, {30, 40}, 0x0000FF);
    MakeFont(root.path(), "2", 64, {30, 40}, 0x00FF00);
    MakeFont(root.path(), "1", 64, {30, 40}, 0xFF0000);
    MakeFont(root.path(), "fonts", 2);
    MakeFont(root.path(), "0", 2);
    TLODecoString deco;
    deco.SetFontNo(2);
    TfrmDecoString dialog(deco, false, root.path());
    TImageFontList& list = *dialog.FontList();
    ASSERT_EQ(list.count(), 3);
    std::vector<int> numbers;
    for (int row = 0; row < list.count(); ++row)
        numbers.push_back(list.item(row)->data(Qt::UserRole).toInt());
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 10}));
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.FontNo(), 2);
    list.setCurrentRow(2);
    EXPECT_EQ(dialog.Preview().FontNo(), 10);
    dialog.WriteBack(deco);
    EXPECT_EQ(deco.FontNo(), 10);

    // Each entry shows "Lumarest!" in its own font at the item height - 4: a glyph of 40
    // pixels with a 2-pixel margin drawn 32 high leaves about 29 rows of ink.
    list.setCurrentRow(-1);
    dialog.resize(900, 600);
    dialog.show();
    QApplication::processEvents();
    const QImage shown = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect first = list.visualItemRect(list.item(0));
    const QRect second = list.visualItemRect(list.item(1));
    EXPECT_EQ(first.height(), TImageFontList::kItemHeight);
    for (const auto& [rect, colour, other] :
         {std::tuple{first, QRgb(0xFF0000), QRgb(0x00FF00)}, std::tuple{second, QRgb(0x00FF00), QRgb(0xFF0000)}}) {
        const int rows = RowsWith(shown, rect, colour);
        EXPECT_GE(rows, 27);
        EXPECT_LE(rows, TImageFontList::kItemHeight - 4);
        EXPECT_EQ(RowsWith(shown, rect, other), 0);
    }
}

TEST_F(DecoStringDialog, ANewStringsPreviewFollowsItsTextAnOldOneKeepsItsRectangle)
{
    QTemporaryDir root;
    MakeFont(root.path(), "1", 64, {120, 200});
    TLODecoString deco;
    deco.SetBoundsRect({50, 60, 450, 160});
    deco.SetAngle(90);

    TfrmDecoString added(deco, true, root.path());
    EXPECT_EQ(added.windowTitle(), QStringLiteral("飾り文字の追加"));
    EXPECT_EQ(added.Preview().Angle(), 0);
    added.TextEdit()->setText(QStringLiteral("A B"));
    // Two glyphs 60 wide at height 100 and a space of a third of the height.
    EXPECT_EQ(added.Preview().Width(), 153);
    EXPECT_EQ(added.Preview().Height(), 100);
    EXPECT_EQ(RectWidth(added.PositionPage()->Rect()), 153);
    EXPECT_EQ(RectHeight(added.PositionPage()->Rect()), 100);

    TfrmDecoString edited(deco, false, root.path());
    EXPECT_EQ(edited.windowTitle(), QStringLiteral("飾り文字の編集・設定"));
    EXPECT_EQ(edited.Preview().Angle(), 0);
    edited.TextEdit()->setText(QStringLiteral("A B"));
    EXPECT_EQ(edited.Preview().BoundsRect(), TRect(50, 60, 450, 160));
    EXPECT_EQ(edited.PositionPage()->Rect(), TRect(50, 60, 450, 160));
    EXPECT_EQ(deco.Angle(), 90);

    QCheckBox* actual = ActualSizeBox(edited);
    ASSERT_NE(actual, nullptr);
    EXPECT_FALSE(edited.PreviewBox()->ActualSize());
    actual->setChecked(true);
    EXPECT_TRUE(edited.PreviewBox()->ActualSize());
}

TEST_F(DecoStringDialog, OkIsOneUndoableChangeAndCancelChangesNothing)
{
    TEditContext context;
    RegisterDecoStringDesigner(context.Designers());
    TEditSite site(context);
    auto deco = std::make_unique<TLODecoString>();
    deco->SetBoundsRect({100, 100, 500, 200});
    deco->SetText(QStringLiteral("Old"));
    deco->SetAngle(30);
    auto* placed = static_cast<TLODecoString*>(site.AddObject(std::move(deco)));
    const QByteArray before = ComponentBytes(*placed);

    QString caption;
    Answer([&](TfrmDecoString& dialog) {
        caption = dialog.windowTitle();
        dialog.TextEdit()->setText(QStringLiteral("New"));
        dialog.AlignBox()->setCurrentIndex(3);
        dialog.reject();
    });
    EXPECT_FALSE(placed->Edit());
    EXPECT_EQ(caption, QStringLiteral("飾り文字の編集・設定"));
    EXPECT_EQ(ComponentBytes(*placed), before);
    EXPECT_FALSE(context.Actions().CanUndo());

    Answer([](TfrmDecoString& dialog) {
        dialog.TextEdit()->setText(QStringLiteral("New"));
        dialog.AlignBox()->setCurrentIndex(3);
        dialog.accept();
    });
    EXPECT_TRUE(placed->Edit());
    EXPECT_EQ(placed->Text(), QStringLiteral("New"));
    EXPECT_EQ(placed->Align(), 3);
    EXPECT_EQ(placed->Angle(), 30);
    EXPECT_EQ(placed->BoundsRect(), TRect(100, 100, 500, 200));
    const QByteArray after = ComponentBytes(*placed);
    ASSERT_EQ(context.Actions().Count(), 1);
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("設定変更"));
    context.Actions().Undo();
    EXPECT_EQ(ComponentBytes(*placed), before);
    context.Actions().Redo();
    EXPECT_EQ(ComponentBytes(*placed), after);
}

TEST_F(DecoStringDialog, ANewStringFromTheCreatorIsFittedToItsTextInOneAddStep)
{
    TEditContext context;
    RegisterCreatorDesigner(context.Designers());
    RegisterDecoStringDesigner(context.Designers());
    TEditSite site(context);
    SetUpCreationSite(site);
    const QByteArray empty = ComponentBytes(site);

    Answer([](TfrmDecoString& dialog) { dialog.reject(); });
    EXPECT_FALSE(context.Designers().CreateObject(site, QStringLiteral("TLODecoString")));
    EXPECT_EQ(site.ObjectCount(), 0);
    EXPECT_FALSE(context.Actions().CanUndo());

    QString caption;
    int fixedFields = 0;
    Answer([&](TfrmDecoString& dialog) {
        caption = dialog.windowTitle();
        for (const QAbstractSpinBox* field : dialog.PositionPage()->findChildren<QAbstractSpinBox*>())
            fixedFields += !field->isEnabled();
        dialog.TextEdit()->setText(QStringLiteral("Lu ma"));
        dialog.accept();
    });
    ASSERT_TRUE(context.Designers().CreateObject(site, QStringLiteral("TLODecoString")));
    EXPECT_EQ(caption, QStringLiteral("飾り文字の追加"));
    EXPECT_EQ(fixedFields, 2); // width and height
    ASSERT_EQ(site.ObjectCount(), 1);
    auto* made = dynamic_cast<TLODecoString*>(site.Object(0));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Text(), QStringLiteral("Lu ma"));
    TLODecoString fitted;
    fitted.SetText(made->Text());
    fitted.FitToText();
    EXPECT_GT(fitted.Width(), 100);
    EXPECT_EQ(made->Width(), fitted.Width());
    EXPECT_EQ(made->Height(), 100);
    EXPECT_TRUE(made->Selected());
    ASSERT_EQ(context.Actions().Count(), 1);
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("追加"));
    context.Actions().Undo();
    EXPECT_EQ(ComponentBytes(site), empty);
}
