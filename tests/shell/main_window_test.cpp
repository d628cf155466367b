// The designer window on the offscreen platform: new, save, reopen, choosing a face, and
// the question about a modified document answered through the message hook.
#include "core/messages.h"
#include "document/label_data.h"
#include "shell/app_frame.h"
#include "shell/data_module.h"
#include "shell/ui/main_window.h"
#include "shell/ui/sheet_view.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        frame_.Load(QStringLiteral(LUMAREST_PROGRAM), QStringLiteral("1.0.0"));
        RegisterDocumentClasses();
        ASSERT_TRUE(data_.OpenDataFiles());
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult) {
            messages_ << text;
            return answer_;
        });
    }
    void TearDown() override { SetMessageBoxHandler(previous_); }

    // A point of the sheet view inside the given face, probed on a coarse grid (each probe
    // builds the face's region).
    static QPoint PointInFace(const TSheetView& view, int face)
    {
        for (int y = 0; y < view.height(); y += 12)
            for (int x = 0; x < view.width(); x += 12)
                if (view.FaceAt({x, y}) == face)
                    return {x, y};
        return {-1, -1};
    }

    TAppFrame frame_;
    TdataMain data_;
    QStringList messages_;
    TMsgResult answer_ = TMsgResult::Yes;
    TMessageBoxHandler previous_;
    QTemporaryDir dir_;
};

} // namespace

TEST_F(MainWindow, NewSaveReopenAndChooseAFace)
{
    TfrmMain window(data_);
    window.show();
    ASSERT_TRUE(window.NewDocument());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumarest - 無題"));
    ASSERT_NE(window.Document(), nullptr);
    EXPECT_FALSE(window.Document()->Modified());

    const QPoint face1 = PointInFace(*window.SheetView(), 1);
    ASSERT_NE(face1, QPoint(-1, -1));
    QTest::mouseClick(window.SheetView(), Qt::LeftButton, {}, face1);
    EXPECT_EQ(window.SheetView()->SelectedFace(), 1);
    EXPECT_EQ(window.Document()->CurrentLabelNo(), 1);

    const QString path = dir_.filePath(QStringLiteral("見本.cld"));
    ASSERT_TRUE(window.SaveDocumentAs(path));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumarest - 見本.cld"));

    ASSERT_TRUE(window.NewDocument());
    ASSERT_TRUE(window.OpenDocumentFile(path));
    EXPECT_EQ(window.FileName(), path);
    EXPECT_EQ(window.SheetView()->SelectedFace(), 1);
    EXPECT_TRUE(messages_.isEmpty());

    testsupport::WriteFileBytes(dir_.filePath(QStringLiteral("bad.cld")), "not a document");
    EXPECT_FALSE(window.OpenDocumentFile(dir_.filePath(QStringLiteral("bad.cld"))));
    EXPECT_EQ(messages_, QStringList{QStringLiteral("指定されたファイルは「Lumarest」のデータではありません")});
    EXPECT_EQ(window.FileName(), path);
}

TEST_F(MainWindow, MissingFileAtStartIsReportedAndANewDocumentStarts)
{
    TfrmMain window(data_);
    const QString missing = dir_.filePath(QStringLiteral("ない.cld"));
    window.StartFirstDocument(missing);
    EXPECT_EQ(messages_, QStringList{QStringLiteral("ファイル「%1」が見つかりません").arg(missing)});
    ASSERT_NE(window.Document(), nullptr);
    EXPECT_TRUE(window.FileName().isEmpty());
}

TEST_F(MainWindow, SaveFailureGivesItsCauseOnASecondLine)
{
    TfrmMain window(data_);
    ASSERT_TRUE(window.NewDocument());
    const QString path = dir_.filePath(QStringLiteral("no folder/doc.cld"));
    EXPECT_FALSE(window.SaveDocumentAs(path));
    ASSERT_EQ(messages_.size(), 1);
    const QStringList lines = messages_[0].split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2) << messages_[0].toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("データの保存に失敗しました"));
    EXPECT_FALSE(lines[1].isEmpty());
    EXPECT_TRUE(window.FileName().isEmpty());
}

TEST_F(MainWindow, ModifiedDocumentQuestionOnClose)
{
    TfrmMain window(data_);
    window.show();
    ASSERT_TRUE(window.NewDocument());
    const QString path = dir_.filePath(QStringLiteral("doc.cld"));
    ASSERT_TRUE(window.SaveDocumentAs(path));
    window.Document()->SetSheetName(QStringLiteral("変更"));
    window.Document()->SetModified(true);

    answer_ = TMsgResult::Cancel;
    EXPECT_FALSE(window.close());
    EXPECT_EQ(messages_, QStringList{QStringLiteral("データが修正されています\r\n保存しますか？")});

    answer_ = TMsgResult::Yes; // saves under its name, then closes
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.Document()->Modified());
    TLabelData reopened;
    reopened.LoadFromFile(path);
    EXPECT_EQ(reopened.SheetName(), QStringLiteral("変更"));
}

TEST_F(MainWindow, AnsweringNoDiscardsTheChanges)
{
    TfrmMain window(data_);
    ASSERT_TRUE(window.NewDocument());
    window.Document()->SetModified(true);
    answer_ = TMsgResult::No;
    EXPECT_TRUE(window.NewDocument());
    EXPECT_FALSE(window.Document()->Modified());
    EXPECT_EQ(messages_.size(), 1);
}
