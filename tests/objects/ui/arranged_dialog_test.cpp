// The arranged image dialogs: the picture counts the selection accepts with their messages,
// the options written into the composition, the picture dialog of a composed image, and the
// designer: OK one undoable change, Cancel none.
#include "../pictures/picture_fixtures.h"

#include "core/messages.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/arranged_image.h"
#include "objects/backgrounds/background_classes.h"
#include "objects/ui/arranged_designers.h"
#include "objects/ui/arranged_image_dialog.h"
#include "objects/ui/effect_page.h"
#include "objects/ui/illust_dialog.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ArrangedDialog : public testing::Test {
protected:
    void SetUp() override
    {
        picturetest::SetUpPictureClasses(); // with the blended paint of alpha frames
        RegisterBackgroundClasses();
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult) {
            messages_ << text;
            return answer_;
        });
        for (int i = 0; i < 8; ++i) {
            QImage image(40 + 10 * i, 30, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 40, 200, 220));
            paths_ << dir_.filePath(QStringLiteral("p%1.png").arg(i));
            ASSERT_TRUE(image.save(paths_.back()));
        }
        object_.SetBaseWidth(600);
        object_.SetBaseHeight(600);
        object_.SetBoundsRect({0, 0, 600, 600});
    }
    void TearDown() override { SetMessageBoxHandler(previous_); }

    // The object composed on the ring from the first four pictures.
    void Compose(TLOArrangedImage& image)
    {
        image.SetArrangeStyle(asCirCircum);
        image.ComposeArrangement(TFilePictures(paths_.mid(0, 4)));
        ASSERT_TRUE(HasPicture(image));
    }

    // A copy of the test's object on the editing site.
    TLOArrangedImage* AddCopy(TEditSite& site) const
    {
        auto added = std::make_unique<TLOArrangedImage>();
        added->Assign(object_);
        return static_cast<TLOArrangedImage*>(site.AddObject(std::move(added)));
    }

    static QImage Painted(TLOArrangedImage& image) { return picturetest::PaintOnWhite(image, {600, 600}); }

    // The coverage levels (an undo reads the frame back from its stored form).
    static QImage Frame(const TLOArrangedImage& image)
    {
        return image.FramePicture()->Graphic()->ToImage().convertToFormat(QImage::Format_Grayscale8);
    }

    static bool HasPicture(const TLOArrangedImage& image)
    {
        const TGraphic* graphic = image.ImageData()->Picture()->Graphic();
        return graphic && !graphic->Empty();
    }

    QTemporaryDir dir_;
    QStringList paths_;
    QStringList messages_;
    TMsgResult answer_ = TMsgResult::No;
    TMessageBoxHandler previous_;
    TLOArrangedImage object_;
};

} // namespace

TEST(ArrangedRanges, EachStyleAcceptsItsCounts)
{
    struct Case {
        TArrangeStyle Style;
        int Slots;
        const char* Text;
    };
    for (const Case& c : {Case{asCirCircum, 0, "3～16枚"}, Case{asCirContinue, 0, "3～16枚"}, Case{asCirDoughnut, 0, "8～15枚"},
                          Case{asCirCircle, 0, "3～6枚"}, Case{asRectTile, 0, "3～32枚"}, Case{asRectRandom, 0, "3～32枚"},
                          Case{asFixed, 5, "2～5枚"}, Case{asFixed, 2, "2枚"}})
        EXPECT_EQ(PictureRangeText(ArrangePictureRange(c.Style, c.Slots)), QString::fromUtf8(c.Text)) << c.Style;
}

TEST_F(ArrangedDialog, TooFewPicturesAreRefusedAndTooManyAskFirst)
{
    TfrmSelectArrangedImage dialog(object_, {}, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("複数イメージファイルの選択"));
    dialog.SelectRow(0);
    dialog.SetPictures(paths_.mid(0, 2));
    EXPECT_FALSE(dialog.Make());
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0], QStringLiteral("3～16枚の画像を選択してください"));
    EXPECT_FALSE(HasPicture(dialog.Result()));

    dialog.SelectRow(3); // "円形": 3 to 6
    dialog.SetPictures(paths_);
    EXPECT_FALSE(dialog.Make());
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_EQ(messages_[1], QStringLiteral("このレイアウトで指定できる画像は3～6枚です。\r\n"
                                           "最大枚数を越えた画像は含まれません。よろしいですか？"));
    EXPECT_FALSE(HasPicture(dialog.Result()));

    answer_ = TMsgResult::Yes;
    EXPECT_TRUE(dialog.Make());
    EXPECT_TRUE(dialog.Made());
    EXPECT_EQ(dialog.Result().ArrangeStyle(), asCirCircle);
    EXPECT_TRUE(HasPicture(dialog.Result()));
    EXPECT_TRUE(dialog.Result().AlphaFrame());
}

TEST_F(ArrangedDialog, DoubleClickOkIsOneUndoableChangeAndCancelNone)
{
    TEditContext context;
    RegisterArrangedImageDesigners(context.Designers());
    TEditSite site(context);
    TLOArrangedImage* image = AddCopy(site);

    QString caption;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = dynamic_cast<TfrmSelectArrangedImage*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    EXPECT_FALSE(image->Edit()); // cancelled: nothing confirmed
    EXPECT_FALSE(context.Actions().CanUndo());
    EXPECT_FALSE(HasPicture(*image));

    QTimer::singleShot(0, [&] {
        if (auto* dialog = dynamic_cast<TfrmSelectArrangedImage*>(QApplication::activeModalWidget())) {
            caption = dialog->windowTitle();
            dialog->SelectRow(0); // "円周"
            dialog->SetPictures(paths_.mid(0, 4));
            dialog->accept(); // composes first
        }
    });
    EXPECT_TRUE(image->Edit());
    EXPECT_EQ(caption, QStringLiteral("複数イメージファイルの選択"));
    EXPECT_EQ(image->ArrangeStyle(), asCirCircum);
    EXPECT_TRUE(HasPicture(*image));
    ASSERT_TRUE(context.Actions().CanUndo());
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("設定変更"));
    context.Actions().Undo();
    EXPECT_FALSE(context.Actions().CanUndo());
    EXPECT_EQ(image->ArrangeStyle(), asNone);
    EXPECT_FALSE(HasPicture(*image));
}

TEST_F(ArrangedDialog, AComposedImageOpensThePictureDialogWithItsOwnFrame)
{
    Compose(object_);
    TfrmIllustProperty dialog(object_, {}, false, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("複数イメージの設定"));
    QStringList pages;
    for (int i = 0; i < dialog.Pages()->count(); ++i)
        pages << dialog.Pages()->tabText(i);
    EXPECT_EQ(pages, (QStringList{QStringLiteral("イメージ"), QStringLiteral("効果"), QStringLiteral("位置")}));
    EXPECT_TRUE(dialog.Prepare()); // composed already: nothing to choose first
    dialog.ChooseFrame(1, 0);       // no frame page: the composition's coverage stays the frame
    const auto& result = dynamic_cast<const TLOArrangedImage&>(dialog.Result());
    EXPECT_EQ(result.ArrangeStyle(), asCirCircum);
    EXPECT_EQ(result.BaseWidth(), 600);
    EXPECT_TRUE(result.AlphaFrame());
    EXPECT_EQ(Frame(result), Frame(object_));

    // "複数イメージの選択..." recomposes the dialog's copy through the selection.
    TfrmIllustProperty again(object_, {}, false, {});
    int asked = 0;
    again.SetArrangementChooser([&](TLOArrangedImage& copy, QWidget*) {
        ++asked;
        copy.SetArrangeStyle(asRectTile);
        copy.ComposeArrangement(TFilePictures(paths_.mid(0, 3)));
        return true;
    });
    QPushButton* choose = nullptr;
    for (QPushButton* button : again.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("複数イメージの選択..."))
            choose = button;
    ASSERT_NE(choose, nullptr);
    choose->click();
    EXPECT_EQ(asked, 1);
    const auto& remade = dynamic_cast<const TLOArrangedImage&>(again.Result());
    EXPECT_EQ(remade.ArrangeStyle(), asRectTile);
    EXPECT_NE(Frame(remade), Frame(object_));
    EXPECT_EQ(object_.ArrangeStyle(), asCirCircum); // the object waits for OK
}

TEST_F(ArrangedDialog, EditingAComposedImageIsOneUndoableChangeThatRepaints)
{
    TEditContext context;
    RegisterArrangedImageDesigners(context.Designers());
    TEditSite site(context);
    TLOArrangedImage* image = AddCopy(site);
    Compose(*image);
    const QImage before = Painted(*image);
    const QImage frame = Frame(*image);

    // Cancel: nothing changes and nothing is recorded.
    QTimer::singleShot(0, [&] {
        if (auto* dialog = dynamic_cast<TfrmIllustProperty*>(QApplication::activeModalWidget())) {
            dialog->Effects()->findChildren<QSlider*>()[0]->setValue(60);
            dialog->reject();
        }
    });
    EXPECT_FALSE(image->Edit());
    EXPECT_FALSE(context.Actions().CanUndo());
    EXPECT_EQ(image->ImageData()->LightFilter()->Brightness(), 0);

    // OK: the brightness reaches the object, which paints anew; its frame is the composition's.
    QString caption;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = dynamic_cast<TfrmIllustProperty*>(QApplication::activeModalWidget())) {
            caption = dialog->windowTitle();
            dialog->Effects()->findChildren<QSlider*>()[0]->setValue(60);
            dialog->accept();
        }
    });
    EXPECT_TRUE(image->Edit());
    EXPECT_EQ(caption, QStringLiteral("複数イメージの設定"));
    EXPECT_EQ(image->ImageData()->LightFilter()->Brightness(), 60);
    EXPECT_EQ(Frame(*image), frame);
    EXPECT_TRUE(image->AlphaFrame());
    EXPECT_NE(Painted(*image), before);
    ASSERT_TRUE(context.Actions().CanUndo());
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("設定変更"));
    context.Actions().Undo();
    EXPECT_FALSE(context.Actions().CanUndo());
    EXPECT_EQ(image->ImageData()->LightFilter()->Brightness(), 0);
    EXPECT_EQ(Painted(*image), before);

    // The selection reached from the picture dialog recomposes the object on OK, as one step.
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<TfrmIllustProperty*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTimer::singleShot(0, [&] {
            if (auto* selection = dynamic_cast<TfrmSelectArrangedImage*>(QApplication::activeModalWidget())) {
                selection->SelectRow(4); // "整列"
                selection->SetPictures(paths_.mid(0, 3));
                selection->accept();
            }
        });
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("複数イメージの選択..."))
                button->click();
        dialog->accept();
    });
    EXPECT_TRUE(image->Edit());
    EXPECT_EQ(image->ArrangeStyle(), asRectTile);
    EXPECT_NE(Frame(*image), frame);
    EXPECT_NE(Painted(*image), before);
    context.Actions().Undo();
    EXPECT_FALSE(context.Actions().CanUndo());
    EXPECT_EQ(image->ArrangeStyle(), asCirCircum);
    EXPECT_EQ(Frame(*image), frame);
}
