// The edit commands as window actions: captions and shortcuts, undo captions that follow
// the list, routing to a focused text editor, paste enabled by clipboard changes, arrow
// keys, drops and the paper overview's face probe.
#include "editing/ui/edit_actions.h"

#include "../test_objects.h"
#include "core/stream/component_stream.h"
#include "editing/clipboard/clipboard.h"
#include "editing/site/edit_context.h"
#include "editing/ui/draw_site.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class EditActionsTest : public ::testing::Test {
protected:
    EditActionsTest()
    {
        RegisterTestObjects();
        context.SetClipboard(&clipboard);
        context.Actions().SetRepeatAllowed(false);
        auto* layout = new QVBoxLayout(&window);
        line = new QLineEdit;
        site = new TDrawSite(context);
        layout->addWidget(line);
        layout->addWidget(site);
        site->Site().Scaler().SetUnitDPI(site->Site().DeviceResolution());
        site->SetLogSize(600, 400);
        actions = new TEditActions(context, [this] { return site; }, &window);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        site->setFocus();
    }

    TTestRect* AddRect(TRect rect)
    {
        return static_cast<TTestRect*>(site->Site().AddObject(std::make_unique<TTestRect>(rect)));
    }

    TMemoryClipboard clipboard;
    TEditContext context;
    QWidget window;
    QLineEdit* line = nullptr;
    TDrawSite* site = nullptr;
    TEditActions* actions = nullptr;
};

TEST_F(EditActionsTest, CaptionsAndShortcuts)
{
    struct Case {
        QAction* action;
        const char* caption;
        QKeySequence shortcut;
    };
    const Case cases[] = {
        {actions->Undo, "取り消し(&U)", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {actions->Redo, "やり直し(&R)", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z)},
        {actions->Cut, "切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {actions->Copy, "コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {actions->Paste, "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {actions->Clear, "クリア(&D)", QKeySequence(Qt::Key_Delete)},
        {actions->SelectAll, "すべて選択(&A)", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {actions->Lock, "固定する(&O)", {}},
        {actions->Unlock, "固定しない(&U)", {}},
        {actions->DontPrint, "印刷禁止にする(&N)", {}},
        {actions->DoPrint, "印刷禁止にしない(&I)", {}},
        {actions->VertText, "縦書き(&V)", {}},
        {actions->HorzText, "横書き(&H)", {}},
        {actions->Property, "プロパティ(&O)", {}},
        {actions->RotateRight, "右に90ﾟ(&I)", {}},
        {actions->Rotate180, "180ﾟ(&O)", {}},
        {actions->RotateLeft, "左に90ﾟ(&E)", {}},
        {actions->BringToFront, "前面に移動(&W)", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {actions->SendToBack, "背面に移動(&K)", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {actions->Align, "位置揃え(&O)...", {}},
        {actions->AdjustPosition, "位置合わせ(&A)...", {}},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.action, nullptr) << c.caption;
        EXPECT_EQ(c.action->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(c.action->shortcut(), c.shortcut) << c.caption;
    }
}

TEST_F(EditActionsTest, EnabledStatesAndUndoCaptionsFollowTheSite)
{
    TTestRect* rect = AddRect({100, 100, 200, 200});
    actions->Refresh();
    EXPECT_FALSE(actions->Copy->isEnabled());
    EXPECT_FALSE(actions->Undo->isEnabled());
    EXPECT_TRUE(actions->SelectAll->isEnabled());
    rect->SetSelected(true);
    actions->Refresh();
    EXPECT_TRUE(actions->Copy->isEnabled());
    EXPECT_TRUE(actions->Lock->isEnabled());
    EXPECT_FALSE(actions->Unlock->isEnabled());
    EXPECT_FALSE(actions->Align->isEnabled()); // one object
    // The arrow key moves the selection: one step captioned "移動".
    QTest::keyClick(site, Qt::Key_Right);
    EXPECT_GT(rect->Left(), 100);
    EXPECT_EQ(actions->Undo->text(), "移動の取り消し(&U)");
    EXPECT_TRUE(actions->Undo->isEnabled());
    actions->Undo->trigger();
    EXPECT_EQ(rect->Left(), 100);
    EXPECT_EQ(actions->Redo->text(), "移動のやり直し(&R)");
    EXPECT_EQ(actions->Undo->text(), "取り消し(&U)");
}

TEST_F(EditActionsTest, PasteIsEnabledByAClipboardChange)
{
    actions->Refresh();
    EXPECT_FALSE(actions->Paste->isEnabled());
    auto data = std::make_unique<QMimeData>();
    data->setText(QStringLiteral("x"));
    clipboard.SetMimeData(std::move(data));
    QApplication::processEvents();
    EXPECT_TRUE(actions->Paste->isEnabled());
}

TEST_F(EditActionsTest, AFocusedTextEditorTakesTheClipboardAndUndoCommands)
{
    AddRect({100, 100, 200, 200})->SetSelected(true);
    line->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), line);
    line->setText(QStringLiteral("ラベル"));
    line->selectAll();
    actions->Refresh();
    EXPECT_TRUE(actions->Copy->isEnabled());
    EXPECT_FALSE(actions->Redo->isEnabled());
    actions->Copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "ラベル");
    EXPECT_EQ(clipboard.MimeData(), nullptr); // the objects' clipboard is untouched
    actions->Clear->trigger();
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_EQ(site->Site().ObjectCount(), 1); // the selected object stays
    actions->Refresh();
    EXPECT_TRUE(actions->Undo->isEnabled());
    actions->Undo->trigger();
    EXPECT_EQ(line->text(), "ラベル");
    // Without a text selection there is nothing to copy from the editor.
    line->deselect();
    actions->Refresh();
    EXPECT_FALSE(actions->Copy->isEnabled());
}

TEST_F(EditActionsTest, DropsReachTheSitesHandlerAtTheLogicalPoint)
{
    QStringList dropped;
    QPoint at;
    site->SetDropHandler([](const QMimeData& data) { return data.hasUrls(); },
                         [&](const QMimeData& data, QPoint logical) {
                             for (const QUrl& url : data.urls())
                                 dropped << url.toLocalFile();
                             at = logical;
                             return true;
                         });
    EXPECT_TRUE(site->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/picture.png"))});
    const QPoint point = site->WidgetPointOf({300, 200});
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(site, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(site, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(dropped, QStringList{"/tmp/picture.png"});
    EXPECT_LE((at - QPoint(300, 200)).manhattanLength(), 2);
}

} // namespace
