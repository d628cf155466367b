// The designer window on the offscreen platform: new, save, reopen, choosing a face, and
// the question about a modified document answered through the message hook.
#include "assets/ui/template_browser.h"
#include "catalogue/paper/paper_info.h"
#include "catalogue/product/product_info.h"
#include "catalogue/ui/product_info_dialog.h"
#include "core/messages.h"
#include "core/model/rect_object.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "document/grid.h"
#include "document/label_data.h"
#include "editing/site/edit_context.h"
#include "editing/ui/draw_site.h"
#include "editing/ui/edit_actions.h"
#include "editing/ui/paper_site.h"
#include "graphics/color/color_fill.h"
#include "objects/backgrounds/back_image.h"
#include "objects/dates/date_object.h"
#include "objects/deco/deco_string.h"
#include "objects/groups/group_classes.h"
#include "objects/groups/group_object.h"
#include "objects/object_classes.h"
#include "objects/shapes/rect_shape.h"
#include "objects/shapes/shape_classes.h"
#include "objects/ui/background_dialog.h"
#include "objects/ui/date_property_dialog.h"
#include "objects/ui/deco_string_dialog.h"
#include "printing/ui/print_paper_dialog.h"
#include "shell/app_frame.h"
#include "shell/data_module.h"
#include "shell/ui/main_window.h"
#include "shell/ui/sheet_view.h"
#include "support/test_support.h"
#include "text/object/shade_text.h"
#include "text/text_classes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

    // The window shown on a new document, ready for mouse and key input.
    static void ShowNewDocument(TfrmMain& window)
    {
        window.resize(1200, 800);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(window.NewDocument());
    }

    // A point of the sheet view inside the given face.
    static QPoint PointInFace(const TSheetView& view, int face)
    {
        for (int y = 0; y < view.height(); y += 2)
            for (int x = 0; x < view.width(); x += 2)
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

namespace {

// A plain rectangle object for putting something on a face.
class TShellTestBox : public TLORectBase {
    LR_CLASS(TShellTestBox, TLORectBase)
public:
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas&) override {}
};
LR_DEFINE_CLASS(TShellTestBox, TLORectBase, LR_CREATABLE(TShellTestBox))

} // namespace

TEST_F(MainWindow, ChosenFaceIsEditedOnTheDrawSiteAndStoredBack)
{
    RegisterClass(TShellTestBox::StaticClassInfo());
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    Q_EMIT window.SheetView()->FaceChosen(1);
    EXPECT_EQ(window.Document()->CurrentLabelNo(), 1);
    TDrawSite* site = window.DrawSite();
    TEditSite& model = site->Site();
    ASSERT_GT(model.LogWidth(), 0);

    // Place a box, then drag it by real mouse events on the widget.
    auto box = std::make_unique<TShellTestBox>();
    box->SetBoundsRect({100, 100, 300, 200});
    TDrawObject* placed = model.AddObject(std::move(box));
    const QPoint from = site->WidgetPointOf({200, 150});
    const QPoint to = site->WidgetPointOf({260, 190});
    QTest::mousePress(site, Qt::LeftButton, {}, from);
    QTest::mouseMove(site, to);
    QTest::mouseRelease(site, Qt::LeftButton, {}, to);
    const TRect moved = placed->GetBounds();
    EXPECT_NE(moved.Left, 100);
    EXPECT_TRUE(model.Modified());

    // Undo through the window's own shortcut, then redo.
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(placed->GetBounds().Left, 100);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(placed->GetBounds(), moved);

    // Saving stores the face; reopening brings the moved box back onto the site.
    const QString path = dir_.filePath(QStringLiteral("edited.cld"));
    ASSERT_TRUE(window.SaveDocumentAs(path));
    ASSERT_TRUE(window.NewDocument());
    EXPECT_EQ(model.ObjectCount(), 0);
    ASSERT_TRUE(window.OpenDocumentFile(path));
    ASSERT_EQ(model.ObjectCount(), 1);
    EXPECT_EQ(model.Object(0)->GetBounds(), moved);
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainWindow, AModifiedFaceAsksBeforeClosing)
{
    RegisterClass(TShellTestBox::StaticClassInfo());
    TfrmMain window(data_);
    window.show();
    ASSERT_TRUE(window.NewDocument());
    auto box = std::make_unique<TShellTestBox>();
    box->SetBoundsRect({10, 10, 50, 50});
    window.DrawSite()->Site().AddObject(std::move(box));
    answer_ = TMsgResult::Cancel;
    EXPECT_FALSE(window.close());
    EXPECT_EQ(messages_, QStringList{QStringLiteral("データが修正されています\r\n保存しますか？")});
    answer_ = TMsgResult::No;
    EXPECT_TRUE(window.close());
}

namespace {

TRect BoundsOf(const TDrawObject* object)
{
    return object->GetBounds();
}

} // namespace

TEST_F(MainWindow, EditingAFaceWithMouseKeysAndTheClipboard)
{
    // Real rectangles, so that the program itself can describe the saved file.
    RegisterShapeClasses();
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    const QPoint face1 = PointInFace(*window.SheetView(), 1);
    ASSERT_NE(face1, QPoint(-1, -1));
    QTest::mouseClick(window.SheetView(), Qt::LeftButton, {}, face1);
    ASSERT_EQ(window.Document()->CurrentLabelNo(), 1);
    TDrawSite* site = window.DrawSite();
    TEditSite& model = site->Site();
    ASSERT_GT(model.LogWidth(), 700);
    for (const TRect& rect : {TRect(100, 100, 300, 200), TRect(400, 100, 600, 200)}) {
        auto box = std::make_unique<TLORect>();
        box->SetBoundsRect(rect);
        box->SetFrameWidth(0);
        box->SetFillInside(true);
        model.AddObject(std::move(box));
    }
    TDrawObject* first = model.Object(0);
    TDrawObject* second = model.Object(1);
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(site, Qt::LeftButton, {}, site->WidgetPointOf(from));
        QTest::mouseMove(site, site->WidgetPointOf((from + to) / 2));
        QTest::mouseMove(site, site->WidgetPointOf(to));
        QTest::mouseRelease(site, Qt::LeftButton, {}, site->WidgetPointOf(to));
    };

    // A rubber band around both boxes selects them.
    drag({50, 50}, {650, 250});
    ASSERT_EQ(model.GetObjects(true).size(), 2u);

    // The arrow key moves both; the mouse drags both further.
    site->setFocus();
    QTest::keyClick(site, Qt::Key_Right);
    const int nudged = BoundsOf(first).Left;
    EXPECT_GT(nudged, 100);
    EXPECT_EQ(BoundsOf(second).Left - BoundsOf(first).Left, 300);
    drag({200, 150}, {200, 250});
    EXPECT_GT(BoundsOf(first).Top, 150);
    EXPECT_EQ(BoundsOf(second).Top, BoundsOf(first).Top);

    // Ctrl+Z takes back the drag, then the nudge.
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(BoundsOf(first), TRect(nudged, 100, nudged + 200, 200));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(BoundsOf(first), TRect(100, 100, 300, 200));
    EXPECT_EQ(BoundsOf(second), TRect(400, 100, 600, 200));

    // Copy the second box, paste it (in place), then delete the pasted one.
    model.SelectAll(false);
    second->SetSelected(true);
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    QApplication::processEvents();
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(model.ObjectCount(), 3);
    const std::vector<TDrawObject*> pasted = model.GetObjects(true);
    ASSERT_EQ(pasted.size(), 1u);
    EXPECT_EQ(BoundsOf(pasted.front()), TRect(400, 100, 600, 200));
    QTest::keyClick(&window, Qt::Key_Delete);
    ASSERT_EQ(model.ObjectCount(), 2);
    // Move the first box once more and keep it there.
    model.SelectAll(false);
    drag({200, 150}, {200, 350});
    const TRect finalFirst = BoundsOf(first);
    EXPECT_EQ(finalFirst.Left, 100);
    EXPECT_GT(finalFirst.Top, 250);

    // Saved, reopened: the face holds both boxes where they were left.
    const QString path = dir_.filePath(QStringLiteral("edited.cld"));
    ASSERT_TRUE(window.SaveDocumentAs(path));
    EXPECT_EQ(window.EditContext().Actions().Count(), 0); // storing the face ends its undo steps
    ASSERT_TRUE(window.NewDocument());
    ASSERT_TRUE(window.OpenDocumentFile(path));
    TLabelData reopened;
    reopened.LoadFromFile(path);
    std::vector<TRect> stored;
    for (const auto& object : reopened.LoadObjects(1))
        stored.push_back(object->GetBounds());
    std::sort(stored.begin(), stored.end(), [](const TRect& a, const TRect& b) { return a.Left < b.Left; });
    EXPECT_EQ(stored, (std::vector<TRect>{finalFirst, TRect(400, 100, 600, 200)}));
    EXPECT_EQ(model.ObjectCount(), 2);
    EXPECT_TRUE(messages_.isEmpty());

    // The program's own description of the file lists both rectangles on face 1.
    QByteArray json;
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral(LUMAREST_PROGRAM),
                                      {QStringLiteral("info"), QStringLiteral("--json"), path}, &json),
              0);
    const QJsonArray sheets = QJsonDocument::fromJson(json).object()[QStringLiteral("sheets")].toArray();
    ASSERT_EQ(sheets.size(), 1);
    std::vector<TRect> described;
    for (const QJsonValue& design : sheets[0].toObject()[QStringLiteral("designs")].toArray()) {
        const QJsonArray objects = design[QStringLiteral("objects")].toArray();
        if (!objects.isEmpty()) {
            EXPECT_EQ(design[QStringLiteral("face")].toInt(), 1);
        }
        for (const QJsonValue& object : objects) {
            EXPECT_EQ(object[QStringLiteral("class")].toString(), QStringLiteral("TLORect"));
            const int left = object[QStringLiteral("left")].toInt();
            const int top = object[QStringLiteral("top")].toInt();
            described.emplace_back(left, top, left + object[QStringLiteral("width")].toInt(),
                                   top + object[QStringLiteral("height")].toInt());
        }
    }
    std::sort(described.begin(), described.end(), [](const TRect& a, const TRect& b) { return a.Left < b.Left; });
    EXPECT_EQ(described, stored);
}

TEST_F(MainWindow, ZoomStepsAndGuides)
{
    TfrmMain window(data_);
    window.resize(1000, 700);
    window.show();
    ASSERT_TRUE(window.NewDocument());
    EXPECT_EQ(window.ZoomMode(), 0);
    window.SetZoom(400);
    window.Magnify();
    EXPECT_EQ(window.DrawSite()->Scale(), 400);
    window.SetZoom(60);
    window.Reduce();
    EXPECT_EQ(window.DrawSite()->Scale(), 50);
    window.SetZoom(25);
    window.Reduce();
    EXPECT_EQ(window.DrawSite()->Scale(), 25);
    window.SetZoom(0);
    EXPECT_EQ(window.ZoomMode(), 0);

    QAction* guides = nullptr;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("ガイドバーに吸着(&B)"))
            guides = action;
    ASSERT_NE(guides, nullptr);
    guides->trigger();
    const TGuide& guide = *window.Document()->Guide();
    EXPECT_TRUE(guide.Enabled());
    EXPECT_TRUE(guide.Visible());
    const TEditSite& model = window.DrawSite()->Site();
    EXPECT_EQ(guide.Guide(0), (TGuide::Slot{0, model.LogHeight() / 2}));
    EXPECT_EQ(guide.Guide(1), (TGuide::Slot{model.LogWidth() / 2, 0}));
}

TEST_F(MainWindow, CtrlPOpensTheSheetPrintDialogForTheDocument)
{
    TfrmMain window(data_);
    ShowNewDocument(window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QAction* print = nullptr;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_P))
            print = action;
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("印刷(&P)..."));

    int faces = -1;
    QTimer::singleShot(0, &window, [&faces] {
        auto* dialog = qobject_cast<TfrmPrintPaper*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        faces = dialog->Site()->FaceCount();
        dialog->reject();
    });
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(faces, window.Document()->EffectivePaper()->FaceCount());
}

TEST_F(MainWindow, CreationCommandsAndGroupingFromTheMenus)
{
    RegisterShapeClasses();
    RegisterGroupClasses();
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    TDrawSite* site = window.DrawSite();
    TEditSite& model = site->Site();
    const auto action = [&](const QString& name) {
        auto* found = window.findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    };
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(site, Qt::LeftButton, {}, site->WidgetPointOf(from));
        QTest::mouseMove(site, site->WidgetPointOf((from + to) / 2));
        QTest::mouseMove(site, site->WidgetPointOf(to));
        QTest::mouseRelease(site, Qt::LeftButton, {}, site->WidgetPointOf(to));
    };
    const QByteArray empty = ComponentBytes(model);

    // Every object type has its command; rectangles and circles are drawn by a drag.
    for (const char* name : {"actText", "actDate", "actDecoString", "actLine", "actArc", "actRect", "actCircle",
                             "actDecoLine", "actAlphaMask", "actOnePoint", "actImageFile", "actArrangedImage",
                             "actTwain", "actBackground", "actJANCode", "actQRStd", "actPasteText", "actPasteBitmap"})
        action(QLatin1String(name));
    action(QStringLiteral("actRect"))->trigger();
    EXPECT_EQ(model.ObjectCount(), 0);
    drag({100, 100}, {300, 200});
    action(QStringLiteral("actCircle"))->trigger();
    drag({400, 100}, {600, 200});
    ASSERT_EQ(model.ObjectCount(), 2);
    EXPECT_EQ(window.EditContext().Actions().UndoCaption(), QStringLiteral("追加"));

    // Both selected: grouped into one, then ungrouped again, each one step.
    model.SelectAll(true);
    const QByteArray two = ComponentBytes(model);
    window.EditActions().Refresh();
    window.EditActions().Group->trigger();
    ASSERT_EQ(model.ObjectCount(), 1);
    EXPECT_EQ(model.Object(0)->ClassName(), QStringLiteral("TDOGroup"));
    EXPECT_TRUE(model.Object(0)->Selected());
    window.EditActions().Refresh();
    window.EditActions().Ungroup->trigger();
    ASSERT_EQ(model.ObjectCount(), 2);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(model.ObjectCount(), 1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ComponentBytes(model), two);
    // Each creation is undone by one step.
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model.ObjectCount(), 1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ComponentBytes(model), empty);
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainWindow, DecoStringCommandOpensItsDialogAndAddsTheStringFittedToItsText)
{
    RegisterLabelObjectClasses();
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    TEditSite& model = window.DrawSite()->Site();
    auto* command = window.findChild<QAction*>(QStringLiteral("actDecoString"));
    ASSERT_NE(command, nullptr);

    QString caption;
    QTimer::singleShot(0, &window, [&caption] {
        auto* dialog = qobject_cast<TfrmDecoString*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        caption = dialog->windowTitle();
        dialog->TextEdit()->setText(QStringLiteral("Disc 1"));
        dialog->accept();
    });
    command->trigger();
    EXPECT_EQ(caption, QStringLiteral("飾り文字の追加"));
    ASSERT_EQ(model.ObjectCount(), 1);
    auto* deco = dynamic_cast<TLODecoString*>(model.Object(0));
    ASSERT_NE(deco, nullptr);
    EXPECT_EQ(deco->Text(), QStringLiteral("Disc 1"));
    EXPECT_EQ(deco->Height(), 100);
    EXPECT_GT(deco->Width(), 100);
    EXPECT_TRUE(deco->Selected());
    EXPECT_EQ(window.EditContext().Actions().UndoCaption(), QStringLiteral("追加"));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainWindow, TheDateCommandAddsADateObjectThroughItsDialog)
{
    RegisterLabelObjectClasses();
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    const TEditSite& model = window.DrawSite()->Site();
    QString caption;
    QTimer::singleShot(0, &window, [&caption] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<TfrmDateProperty*>(modal)) {
            caption = dialog->windowTitle();
            dialog->accept();
        } else if (modal) {
            modal->close();
        }
    });
    auto* command = window.findChild<QAction*>(QStringLiteral("actDate"));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->text(), QStringLiteral("日付・時間(&D)..."));
    command->trigger();
    EXPECT_EQ(caption, QStringLiteral("日付オブジェクトの追加"));
    ASSERT_EQ(model.ObjectCount(), 1);
    EXPECT_NE(dynamic_cast<TLODate*>(model.Object(0)), nullptr);
    EXPECT_EQ(window.EditContext().Actions().UndoCaption(), QStringLiteral("追加"));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainWindow, BackgroundCommandAddsOneUnselectableBackgroundCoveringTheSite)
{
    RegisterLabelObjectClasses();
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    TEditSite& model = window.DrawSite()->Site();
    auto* command = window.findChild<QAction*>(QStringLiteral("actBackground"));
    ASSERT_NE(command, nullptr);
    ASSERT_EQ(command->text(), QStringLiteral("背景柄(&B)..."));
    const bool couldUndo = window.EditContext().Actions().CanUndo();

    // Each answer: the dialog's caption and how many library pictures it offered.
    for (const bool ok : {false, true}) {
        QString caption;
        int offered = -1;
        QTimer::singleShot(0, &window, [&caption, &offered, ok] {
            auto* dialog = qobject_cast<TfrmBackGround2002*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            caption = dialog->windowTitle();
            offered = dialog->Library()->count();
            dialog->TakeLibraryPicture(0);
            ok ? dialog->accept() : dialog->reject();
        });
        command->trigger();
        EXPECT_EQ(caption, QStringLiteral("背景柄の設定")) << ok;
        EXPECT_GT(offered, 0) << ok;
        if (!ok) {
            EXPECT_EQ(model.ObjectCount(), 0);
            EXPECT_EQ(window.EditContext().Actions().CanUndo(), couldUndo);
        }
    }
    ASSERT_EQ(model.ObjectCount(), 1);
    auto* background = dynamic_cast<TLOBackImage*>(model.Object(0));
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->GetBounds(), TRect(0, 0, model.LogWidth(), model.LogHeight()));
    EXPECT_FALSE(background->Selectable());
    EXPECT_FALSE(background->Selected());
    EXPECT_EQ(background->FillColor()->Kind(), cskBitmap);
    EXPECT_EQ(window.EditContext().Actions().UndoCaption(), QStringLiteral("追加"));
    window.EditContext().Actions().Undo();
    EXPECT_EQ(model.ObjectCount(), 0);
    EXPECT_EQ(window.EditContext().Actions().CanUndo(), couldUndo);
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainWindow, TemplateCommandCallsAShippedTemplateIntoTheFace)
{
    // The shipped templates hold every kind of label object, as the program registers them.
    RegisterLabelObjectClasses();
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    QAction* command = nullptr;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("ラベルテンプレートの呼び出し(&T)..."))
            command = action;
    ASSERT_NE(command, nullptr);
    ASSERT_EQ(window.DrawSite()->Site().ObjectCount(), 0);

    int listed = 0;
    QTimer::singleShot(0, &window, [&listed] {
        auto* browser = qobject_cast<TTemplateBrowser*>(QApplication::activeModalWidget());
        if (!browser)
            return;
        // The first genre that has a template for this face; OK asks and calls it in.
        for (int genre = 0; genre < browser->GenreBox()->count() && listed == 0; ++genre) {
            browser->GenreBox()->setCurrentIndex(genre);
            listed = browser->TemplateView()->count();
        }
        browser->TemplateView()->setCurrentRow(0);
        browser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        if (browser->isVisible())
            browser->reject();
    });
    command->trigger();
    ASSERT_GT(listed, 0);
    EXPECT_GT(window.DrawSite()->Site().ObjectCount(), 0);
    EXPECT_TRUE(window.Document()->Modified());
    EXPECT_EQ(messages_.size(), 1); // the question before the face's design is replaced
}

TEST_F(MainWindow, EditedProductAndCreatorInformationFillTheBoundTextsOfTheFace)
{
    RegisterTextClasses();
    RegisterGroupClasses();
    TfrmMain window(data_);
    ASSERT_NO_FATAL_FAILURE(ShowNewDocument(window));
    TEditSite& model = window.DrawSite()->Site();
    // A product title inside a group, and the English company name on its own.
    auto group = std::make_unique<TDOGroup>();
    for (const int fieldNo : {1, 0}) {
        auto text = std::make_unique<TLOText>();
        text->Text()->SetLines({QStringLiteral("仮")});
        text->SetBoundsRect({100, 100 + 200 * fieldNo, 600, 250 + 200 * fieldNo});
        text->SetFieldNo(fieldNo);
        group->AddMember(std::move(text));
    }
    const TDOGroup& grouped = *group;
    model.AddObject(std::move(group));
    auto company = std::make_unique<TLOText>();
    company->Text()->SetLines({QStringLiteral("仮")});
    company->SetFieldNo(1);
    company->SetFieldType(ftCreatorEnglish);
    const TLOText& companyText = *company;
    model.AddObject(std::move(company));
    const auto lines = [](const TDrawObject& object) { return dynamic_cast<const TLOText&>(object).Text()->Lines(); };
    const auto command = [&](const QString& caption, int page, const QString& value) {
        QAction* found = nullptr;
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == caption)
                found = action;
        ASSERT_NE(found, nullptr);
        QTimer::singleShot(0, &window, [page, value] {
            auto* dialog = qobject_cast<TfrmProductInfo*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->Pages()->setCurrentIndex(page);
            dialog->FieldList(page)->setCurrentRow(0);
            dialog->ValueField(page)->setPlainText(value);
            dialog->accept();
        });
        found->trigger();
    };
    const QString product = QStringLiteral("プロダクト情報の編集(&P)...");
    const QByteArray before = ComponentBytes(model);

    // No stores the information only.
    answer_ = TMsgResult::No;
    command(product, 0, QStringLiteral("春の記録"));
    EXPECT_EQ(window.Document()->ProductInfo().FieldText(1), QStringLiteral("春の記録"));
    EXPECT_EQ(lines(grouped.Member(0)), QStringList{QStringLiteral("仮")});
    EXPECT_FALSE(window.EditContext().Actions().CanUndo());
    EXPECT_EQ(messages_.size(), 1);

    answer_ = TMsgResult::Yes;
    command(product, 0, QStringLiteral("夏の記録\n第二集"));
    EXPECT_EQ(lines(grouped.Member(0)), (QStringList{QStringLiteral("夏の記録"), QStringLiteral("第二集")}));
    EXPECT_EQ(lines(grouped.Member(1)), QStringList{QStringLiteral("仮")}); // typed by hand
    EXPECT_EQ(lines(companyText), QStringList{QStringLiteral("仮")});
    window.EditContext().Actions().Undo();
    EXPECT_EQ(ComponentBytes(model), before);
    window.EditContext().Actions().Redo();

    command(QStringLiteral("クリエーター情報の編集(&C)..."), 1, QStringLiteral("Lumarest Works"));
    EXPECT_EQ(window.Document()->CreatorInfoE().FieldText(1), QStringLiteral("Lumarest Works"));
    EXPECT_EQ(lines(companyText), QStringList{QStringLiteral("Lumarest Works")});
    EXPECT_EQ(messages_.size(), 2); // the creator information asks nothing
    EXPECT_TRUE(window.Document()->Modified());
}
