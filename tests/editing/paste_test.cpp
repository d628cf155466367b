// Copy and paste through the clipboard: what a copy offers other programs, text and
// pictures from other programs becoming objects, and objects moving between documents.
#include "editing_fixture.h"
#include "paste_objects.h"

#include "editing/clipboard/object_clipboard.h"
#include "editing/commands/standard_commands.h"

#include <QBuffer>
#include <QMimeData>

namespace {

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class PasteTest : public EditingTest {
protected:
    PasteTest()
    {
        RegisterPasteStandIns();
        Actions().SetRepeatAllowed(false);
    }

    void Offer(std::unique_ptr<QMimeData> data) { clipboard.SetMimeData(std::move(data)); }

    // The object the last paste added.
    TDrawObject* Pasted()
    {
        const std::vector<TDrawObject*> selected = site.GetObjects(true);
        return selected.size() == 1 ? selected.front() : nullptr;
    }
};

TEST_F(PasteTest, CopyOffersObjectsAPictureAndTheirTexts)
{
    auto* text = Add<TTestPastedText>();
    text->SetBoundsRect({100, 100, 300, 200});
    text->SetText(QStringLiteral("見出し"));
    Add<TTestRect>(TRect(400, 100, 500, 200));
    site.SelectAll(true);
    TDSACopy copy;
    ASSERT_TRUE(copy.Enabled(site));
    copy.Execute(site);
    EXPECT_EQ(Actions().Count(), 0);
    const QMimeData* data = clipboard.MimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(ObjectClipboardFormat().startsWith("application/x-"));
    EXPECT_FALSE(ObjectClipboardFormat().contains('$'));
    EXPECT_TRUE(data->hasFormat(ObjectClipboardFormat()));
    EXPECT_EQ(data->text(), "見出し");
    const QImage picture = QImage::fromData(data->data("image/png"), "PNG");
    ASSERT_FALSE(picture.isNull());
    // One device pixel per logical unit here: the joint bounds 400 x 100.
    EXPECT_EQ(picture.size(), QSize(400, 100));
    EXPECT_TRUE(picture.hasAlphaChannel());
    // Between the two objects nothing is painted: transparent for other programs.
    EXPECT_EQ(picture.pixelColor(250, 50).alpha(), 0);
}

TEST_F(PasteTest, PlainTextBecomesATextObjectInOneUndoStep)
{
    Add<TTestRect>(TRect(100, 100, 200, 200))->SetSelected(true);
    auto data = std::make_unique<QMimeData>();
    data->setText(QStringLiteral("こんにちは\n世界"));
    Offer(std::move(data));
    TDSAPaste paste;
    ASSERT_TRUE(paste.Enabled(site));
    ExpectOneUndoStep([&] { paste.Execute(site); }, "追加");
    Actions().Redo();
    auto* text = dynamic_cast<TTestPastedText*>(Pasted());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Text(), "こんにちは\n世界");
    EXPECT_TRUE(text->AutoSize());
    EXPECT_EQ(site.ObjectCount(), 2);
}

TEST_F(PasteTest, APastedPngKeepsItsTransparentPixels)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(1, 1, QColor(255, 0, 0));
    image.setPixelColor(2, 2, QColor(0, 0, 255, 128));
    auto data = std::make_unique<QMimeData>();
    data->setData("image/png", Png(image));
    Offer(std::move(data));
    TDSAPaste paste;
    ASSERT_TRUE(paste.Enabled(site));
    paste.Execute(site);
    auto* picture = dynamic_cast<TTestPastedPicture*>(Pasted());
    ASSERT_NE(picture, nullptr);
    const QImage& pasted = picture->Image();
    ASSERT_EQ(pasted.size(), QSize(4, 4));
    EXPECT_EQ(pasted.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(pasted.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_EQ(pasted.pixelColor(2, 2).alpha(), 128);
    EXPECT_EQ(Actions().UndoCaption(), "追加");
}

TEST_F(PasteTest, TheFirstOfTextAndPictureInTheClipboardsOrderDecides)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    struct Case {
        bool textFirst;
        bool expectText;
    };
    for (const Case& c : {Case{true, true}, Case{false, false}}) {
        auto data = std::make_unique<QMimeData>();
        if (c.textFirst)
            data->setText(QStringLiteral("a"));
        data->setData("image/png", Png(image));
        if (!c.textFirst)
            data->setText(QStringLiteral("a"));
        Offer(std::move(data));
        TDSAPaste paste;
        paste.Execute(site);
        TDrawObject* pasted = Pasted();
        ASSERT_NE(pasted, nullptr);
        EXPECT_EQ(dynamic_cast<TTestPastedText*>(pasted) != nullptr, c.expectText) << c.textFirst;
    }
}

TEST_F(PasteTest, NothingToPasteFromAnEmptyOrForeignClipboard)
{
    TDSAPaste paste;
    EXPECT_FALSE(paste.Enabled(site));
    auto data = std::make_unique<QMimeData>();
    data->setData("application/x-other", "xyz");
    Offer(std::move(data));
    EXPECT_FALSE(paste.Enabled(site));
    paste.Execute(site);
    EXPECT_EQ(site.ObjectCount(), 0);
    EXPECT_EQ(Actions().Count(), 0);
}

TEST_F(PasteTest, ChangesOfTheClipboardAreAnnounced)
{
    int changes = 0;
    const int id = clipboard.AddOnChanged([&] { ++changes; });
    Add<TTestRect>(TRect(0, 0, 50, 50))->SetSelected(true);
    TDSACopy().Execute(site);
    EXPECT_EQ(changes, 1);
    clipboard.RemoveOnChanged(id);
    TDSACopy().Execute(site);
    EXPECT_EQ(changes, 1);
}

// Two documents open on their own sites and contexts share the program's clipboard.
TEST(ClipboardBetweenDocuments, CopyInOnePasteIntoAnotherGivesTheSameObjects)
{
    RegisterTestObjects();
    TMemoryClipboard clipboard;
    TEditContext first;
    TEditSite from(first);
    first.SetClipboard(&clipboard);
    TEditContext second;
    TEditSite to(second);
    second.SetClipboard(&clipboard);
    for (TEditSite* site : {&from, &to}) {
        site->SetDeviceResolution(254);
        site->Scaler().SetUnitDPI(254);
        site->SetLogSize(1000, 800);
    }
    from.AddObject(std::make_unique<TTestRect>(TRect(100, 100, 200, 200), 30, true));
    from.AddObject(std::make_unique<TTestLine>(QPoint(10, 10), QPoint(300, 400)));
    from.AddObject(std::make_unique<TTestText>(TRect(500, 300, 700, 360)));
    from.SelectAll(true);
    TDSACopy().Execute(from);
    TDSAPaste().Execute(to);
    EXPECT_EQ(ComponentBytes(to), ComponentBytes(from));
    EXPECT_EQ(second.Actions().UndoCaption(), "貼り付け");
}

} // namespace
