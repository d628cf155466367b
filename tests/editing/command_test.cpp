// The edit commands: target lists, the enabled rule, one undo step per execution, and
// their undo round trips by the bytes the design stores.
#include "editing_fixture.h"

#include "core/error.h"
#include "core/messages.h"
#include "editing/actions/object_actions.h"
#include "editing/clipboard/object_clipboard.h"
#include "editing/commands/alignment.h"
#include "editing/commands/standard_commands.h"

#include <QMimeData>

namespace {

class CommandTest : public EditingTest {
protected:
    void SetUp() override
    {
        Actions().SetRepeatAllowed(false);
        a = Add<TTestRect>(TRect(100, 100, 200, 200));
        b = Add<TTestRect>(TRect(300, 120, 360, 220));
        c = Add<TTestText>(TRect(500, 300, 700, 360));
        d = Add<TTestLine>(QPoint(100, 600), QPoint(400, 650));
    }

    void ExpectOneStep(TDrawSiteCommand& command, const QString& caption)
    {
        ExpectOneUndoStep([&] { command.Execute(site); }, caption);
    }

    TTestRect* a = nullptr;
    TTestRect* b = nullptr;
    TTestText* c = nullptr;
    TTestLine* d = nullptr;
};

TEST_F(CommandTest, EveryChangeCommandIsOneUndoableStep)
{
    site.SelectAll(true);
    TDSALock lock(true);
    ExpectOneStep(lock, "固定する");
    TDSADontPrint dontPrint(true);
    ExpectOneStep(dontPrint, "印刷禁止にする");
    TDSAVertText vertical(true);
    ExpectOneStep(vertical, "縦書き");
    TDSAOffsetAngle right(QStringLiteral("右に90ﾟ(&I)"), 90, QStringLiteral("設定変更"));
    ExpectOneStep(right, "設定変更");
    TDSAClear clear;
    ExpectOneStep(clear, "クリア");
    TDSABringToFront front;
    a->SetSelected(true);
    b->SetSelected(false);
    c->SetSelected(false);
    d->SetSelected(false);
    ExpectOneStep(front, "最前面");
    TDSASendToBack back;
    site.SelectAll(false);
    c->SetSelected(true);
    ExpectOneStep(back, "背面に移動");
}

// The reverse commands of the table, each on objects set up for it: one step, undone and
// redone by the bytes; with nothing to do they are disabled.
TEST_F(CommandTest, EveryReverseCommandIsOneUndoableStep)
{
    site.SelectAll(true);
    TDSALock unlock(false);
    TDSADontPrint doPrint(false);
    TDSAVertText horizontal(false);
    for (TDrawSiteCommand* command : std::initializer_list<TDrawSiteCommand*>{&unlock, &doPrint, &horizontal})
        EXPECT_FALSE(command->Enabled(site)) << command->Caption.toStdString();
    a->SetMovable(false);
    b->SetDontPrint(true);
    c->SetVertical(true);
    ExpectOneStep(unlock, "固定しない");
    ExpectOneStep(doPrint, "印刷禁止にしない");
    ExpectOneStep(horizontal, "横書き");
    TDSAOffsetAngle half(QStringLiteral("180ﾟ(&O)"), 180, QStringLiteral("設定変更"));
    TDSAOffsetAngle left(QStringLiteral("左に90ﾟ(&E)"), 270, QStringLiteral("設定変更"));
    ExpectOneStep(half, "設定変更");
    ExpectOneStep(left, "設定変更");
    TDSACut cut;
    ExpectOneStep(cut, "切り取り");
}

// Commands that change no stored bytes leave no undo step; undo and redo as commands walk
// the list and deselect first.
TEST_F(CommandTest, SelectionCopyUndoAndRedoCommands)
{
    d->SetSelectable(false);
    const QByteArray before = Bytes();
    TDSASelectAll selectAll;
    ASSERT_TRUE(selectAll.Enabled(site));
    selectAll.Execute(site);
    EXPECT_EQ(site.GetObjects(true).size(), 3u); // the unselectable line stays out
    TDSACopy copy;
    copy.Execute(site);
    EXPECT_NE(clipboard.MimeData(), nullptr);
    EXPECT_EQ(Actions().Count(), 0);
    EXPECT_EQ(Bytes(), before);

    TDSAUndo undo;
    TDSARedo redo;
    EXPECT_FALSE(undo.Enabled(site));
    EXPECT_FALSE(redo.Enabled(site));
    TDSALock lock(true);
    lock.Execute(site);
    const QByteArray locked = Bytes();
    EXPECT_EQ(UndoMenuCaption(Actions()), "固定するの取り消し(&U)");
    site.SelectAll(true);
    ASSERT_TRUE(undo.Enabled(site));
    undo.Execute(site);
    EXPECT_EQ(Bytes(), before);
    // The selection was dropped first; the objects the undo changed are selected.
    EXPECT_EQ(site.GetObjects(true).size(), 3u);
    EXPECT_FALSE(d->Selected());
    EXPECT_EQ(RedoMenuCaption(Actions()), "固定するのやり直し(&R)");
    ASSERT_TRUE(redo.Enabled(site));
    redo.Execute(site);
    EXPECT_EQ(Bytes(), locked);
    EXPECT_FALSE(redo.Enabled(site));
}

TEST_F(CommandTest, EnabledRulesAndFilters)
{
    TDSALock lock(true);
    TDSALock unlock(false);
    EXPECT_FALSE(lock.Enabled(site));
    a->SetSelected(true);
    b->SetSelected(true);
    b->SetMovable(false);
    EXPECT_TRUE(lock.Enabled(site));
    EXPECT_EQ(lock.Targets(), std::vector<TDrawObject*>{a});
    EXPECT_EQ(unlock.Targets().size(), 0u);
    EXPECT_TRUE(unlock.Enabled(site));
    // Lock of a mix locks only the movable ones.
    lock.Execute(site);
    EXPECT_FALSE(a->Movable());
    EXPECT_FALSE(lock.Enabled(site));

    TDSAEditProperty property;
    EXPECT_FALSE(property.Enabled(site)); // two targets
    b->SetSelected(false);
    EXPECT_TRUE(property.Enabled(site));

    TDSAVertText vertical(true);
    EXPECT_FALSE(vertical.Enabled(site)); // no text among the selection
    site.SelectAll(true);
    EXPECT_EQ(vertical.Enabled(site), true);
    EXPECT_EQ(vertical.Targets(), std::vector<TDrawObject*>{c});

    TDSOperation operation;
    operation.TargetClassName = QStringLiteral("TTestRect");
    operation.TargetClassOnly = true;
    EXPECT_FALSE(operation.Enabled(site)); // the line is not a rectangle: no targets at all
    operation.TargetClassOnly = false;
    EXPECT_TRUE(operation.Enabled(site));
    EXPECT_EQ(operation.Targets().size(), 3u); // a, b and the text, which is a rectangle too
}

TEST_F(CommandTest, BringToFrontKeepsTheMutualOrderAndUndoesIt)
{
    // A B C D back to front: bring A and B forward gives C D A B, undone A B C D.
    a->SetSelected(true);
    b->SetSelected(true);
    TDSABringToFront front;
    front.Execute(site);
    EXPECT_EQ(site.Objects(), (std::vector<TDrawObject*>{c, d, a, b}));
    Actions().Undo();
    EXPECT_EQ(site.Objects(), (std::vector<TDrawObject*>{a, b, c, d}));
    // Already in front: no step.
    site.SelectAll(false);
    d->SetSelected(true);
    const int steps = Actions().Count();
    Actions().Clear();
    front.Execute(site);
    EXPECT_EQ(Actions().Count(), 0);
    (void)steps;
}

TEST_F(CommandTest, LayerUndoSkipsObjectsFreedMeanwhile)
{
    a->SetSelected(true);
    TDSABringToFront front;
    front.Execute(site);
    site.RemoveObject(b); // freed at once
    Actions().Undo();
    EXPECT_EQ(site.Objects(), (std::vector<TDrawObject*>{a, c, d}));
    Actions().Redo();
    EXPECT_EQ(site.Objects(), (std::vector<TDrawObject*>{c, d, a}));
}

TEST_F(CommandTest, CutAndPasteRoundTripThroughTheClipboard)
{
    const QByteArray original = Bytes();
    a->SetSelected(true);
    b->SetSelected(true);
    TDSACut cut;
    cut.Execute(site);
    EXPECT_EQ(site.ObjectCount(), 2);
    TDSAPaste paste;
    ASSERT_TRUE(paste.Enabled(site));
    paste.Execute(site);
    ASSERT_EQ(site.ObjectCount(), 4);
    EXPECT_EQ(Actions().UndoCaption(), "貼り付け");
    EXPECT_EQ(site.GetObjects(true).size(), 2u);
    Actions().Undo(); // the paste
    Actions().Undo(); // the cut
    EXPECT_EQ(Bytes(), original);
}

TEST_F(CommandTest, PastePullsCentresInsideASmallerFace)
{
    TTestRect far(TRect(900, 700, 1000, 800));
    CopyObjectsToClipboard(clipboard, site, {&far});
    site.SetLogSize(500, 400);
    TDSAPaste paste;
    paste.Execute(site);
    const std::vector<TDrawObject*> pasted = site.GetObjects(true);
    ASSERT_EQ(pasted.size(), 1u);
    EXPECT_EQ(RectCenter(pasted.front()->GetBounds()), QPoint(490, 390));
}

TEST_F(CommandTest, PasteOfPlainTextAsksTheCreationTool)
{
    struct TPasteDesigner : TDODesigner {
        QString asked;
        bool CreateObject(TEditSite&, const QString& className) override
        {
            asked = className;
            return true;
        }
    };
    auto designer = std::make_unique<TPasteDesigner>();
    TPasteDesigner* seen = designer.get();
    context.Designers().Add(std::move(designer));
    auto text = std::make_unique<QMimeData>();
    text->setText(QStringLiteral("こんにちは"));
    clipboard.SetMimeData(std::move(text));
    TDSAPaste paste;
    ASSERT_TRUE(paste.Enabled(site));
    paste.Execute(site);
    EXPECT_EQ(seen->asked, "TLOTextPaste");
    EXPECT_EQ(Actions().Count(), 0);
}

TEST_F(CommandTest, DeletedObjectsLiveInTheirActionUntilTheListIsCleared)
{
    a->SetSelected(true);
    TWatchedRef<TDrawObject> watch(a);
    TDSAClear clear;
    clear.Execute(site);
    EXPECT_TRUE(watch);
    EXPECT_EQ(a->Site(), nullptr);
    Actions().Clear();
    EXPECT_FALSE(watch);
}

TEST_F(CommandTest, DeleteWithRecordingOffFreesTheObjectOffTheSite)
{
    Actions().SetRecording(false);
    a->SetSelected(true);
    TWatchedRef<TDrawObject> watch(a);
    TDSAClear clear;
    clear.Execute(site);
    EXPECT_FALSE(watch);
    EXPECT_EQ(site.ObjectCount(), 3);
}

TEST_F(CommandTest, PropertyEditLeavesOnlyTheDialogsOwnStep)
{
    struct TEditDesigner : TDODesigner {
        TActionList* list = nullptr;
        bool change = true;
        TEditOutcome Edit(TDrawObject& object) override
        {
            auto action = std::make_unique<TDOChangeAction>(object);
            action->SetCaption(QStringLiteral("プロパティ"));
            if (change)
                static_cast<TTestRect&>(object).SetAngle(45);
            TDOChangeAction::Finish(std::move(action), *list);
            return TEditOutcome::Confirmed;
        }
    };
    auto designer = std::make_unique<TEditDesigner>();
    designer->list = &Actions();
    TEditDesigner* editor = designer.get();
    context.Designers().Add(std::move(designer));
    a->SetSelected(true);
    TDSAEditProperty property;
    property.Execute(site);
    EXPECT_EQ(Actions().Count(), 1);
    EXPECT_EQ(Actions().UndoCaption(), "プロパティ");
    Actions().Clear();
    editor->change = false; // a cancelled dialog
    property.Execute(site);
    EXPECT_EQ(Actions().Count(), 0);
}

TEST_F(CommandTest, TheObjectsOwnDesignerEndsTheSearchEvenWhenCancelled)
{
    // Two designers that both take the object, as a base-class dialog and the object's own:
    // the one registered last is asked first, and its cancel must not open the other.
    struct TAnswerDesigner : TDODesigner {
        TEditOutcome answer = TEditOutcome::Confirmed;
        int asked = 0;
        TEditOutcome Edit(TDrawObject&) override
        {
            ++asked;
            return answer;
        }
    };
    auto base = std::make_unique<TAnswerDesigner>();
    auto own = std::make_unique<TAnswerDesigner>();
    TAnswerDesigner* baseDesigner = base.get();
    TAnswerDesigner* ownDesigner = own.get();
    context.Designers().Add(std::move(base));
    context.Designers().Add(std::move(own));
    const struct {
        TEditOutcome own;
        bool confirmed;
        int baseAsked;
    } cases[] = {{TEditOutcome::Cancelled, false, 0}, {TEditOutcome::Confirmed, true, 0}, {TEditOutcome::NotMine, true, 1}};
    for (const auto& row : cases) {
        ownDesigner->answer = row.own;
        baseDesigner->asked = 0;
        EXPECT_EQ(context.Edit(*a), row.confirmed);
        EXPECT_EQ(baseDesigner->asked, row.baseAsked);
    }
    EXPECT_EQ(ownDesigner->asked, 3);
}

TEST_F(CommandTest, UndoCaptionsNeverComeOutEmpty)
{
    EXPECT_EQ(UndoMenuCaption(Actions()), "取り消し(&U)");
    EXPECT_EQ(RedoMenuCaption(Actions()), "やり直し(&R)");
    Drag({150, 150}, {170, 180});
    EXPECT_EQ(UndoMenuCaption(Actions()), "移動の取り消し(&U)");
    auto uncaptioned = std::make_unique<TDOChangeAction>(*b);
    b->SetAngle(10);
    TDOChangeAction::Finish(std::move(uncaptioned), Actions());
    EXPECT_EQ(UndoMenuCaption(Actions()), "取り消し(&U)");
    TDSAUndo undo;
    undo.Execute(site);
    EXPECT_EQ(RedoMenuCaption(Actions()), "やり直し(&R)");
    undo.Execute(site);
    EXPECT_EQ(RedoMenuCaption(Actions()), "移動のやり直し(&R)");
}

TEST_F(CommandTest, CommandsAbandonADragFirst)
{
    a->SetSelected(true);
    site.Press(Qt::LeftButton, {150, 150}, 0);
    site.MoveTo({250, 250}, 0);
    ASSERT_TRUE(site.Dragging());
    TDSAClear clear;
    clear.Execute(site);
    EXPECT_FALSE(site.Dragging());
    EXPECT_EQ(context.Ghosts().Count(), 0);
    site.Release(Qt::LeftButton, {250, 250}, 0);
    EXPECT_EQ(Actions().Count(), 1);
    EXPECT_EQ(Actions().UndoCaption(), "クリア");
}

TEST_F(CommandTest, AFailingStepDropsItsRecordAndClosesTheGroup)
{
    site.SelectAll(true);
    a->failAssign = true;
    TDSOperation operation;
    operation.ActionType = atChange;
    operation.ActionString = QStringLiteral("設定変更");
    operation.OnEachObject = [&](TDSOperation&, TDrawObject& object) {
        if (&object == c)
            throw EAppError(QStringLiteral("step failed"));
        if (auto* rotate = dynamic_cast<IDORotate*>(&object))
            rotate->SetAngle(rotate->Angle() + 15);
    };
    EXPECT_THROW(operation.Execute(site), EAppError);
    EXPECT_EQ(Actions().OpenGroups(), 0);
    ASSERT_EQ(Actions().Count(), 1); // the steps before the failure, as one group
}

// --- alignment ----------------------------------------------------------------------------------

TEST(AlignmentOffsetsTest, EdgesCentresAndEqualGaps)
{
    const std::vector<TRect> rects = {{0, 0, 10, 10}, {40, 20, 60, 30}, {100, 5, 110, 50}};
    EXPECT_EQ(AlignmentOffsets(rects, TAlignment::Left), (std::vector<QPoint>{{0, 0}, {-40, 0}, {-100, 0}}));
    EXPECT_EQ(AlignmentOffsets(rects, TAlignment::Bottom), (std::vector<QPoint>{{0, 40}, {0, 20}, {0, 0}}));
    EXPECT_EQ(AlignmentOffsets(rects, TAlignment::HorzCenter), (std::vector<QPoint>{{50, 0}, {5, 0}, {-50, 0}}));
    // Gaps: 110 wide, 40 of objects, 70 to share: 35 each.
    EXPECT_EQ(AlignmentOffsets(rects, TAlignment::HorzSpace), (std::vector<QPoint>{{0, 0}, {5, 0}, {0, 0}}));
}

TEST(AlignmentOffsetsTest, EqualGapsOrderNegativeCentresAndSurviveOneDistinctCentre)
{
    // Centres at -50, 20 and -200 (signed order: third, first, second); 240 wide with 60 of
    // objects leaves gaps of 90.
    const std::vector<TRect> rects = {{-60, 0, -40, 10}, {10, 0, 30, 10}, {-210, 0, -190, 10}};
    EXPECT_EQ(AlignmentOffsets(rects, TAlignment::HorzSpace), (std::vector<QPoint>{{-40, 0}, {0, 0}, {0, 0}}));
    // All centres equal: only the first is ordered, nothing moves, nothing divides by zero.
    const std::vector<TRect> same = {{0, 0, 20, 10}, {5, 0, 15, 10}};
    EXPECT_EQ(AlignmentOffsets(same, TAlignment::HorzSpace), (std::vector<QPoint>{{0, 0}, {0, 0}}));
    // Two at the same centre among three: only one of them moves.
    const std::vector<TRect> pair = {{0, 0, 10, 10}, {0, 0, 10, 10}, {100, 0, 110, 10}};
    const std::vector<QPoint> offsets = AlignmentOffsets(pair, TAlignment::HorzSpace);
    EXPECT_EQ(offsets, (std::vector<QPoint>{{0, 0}, {0, 0}, {-10, 0}}));
}

TEST_F(CommandTest, AlignIsOneStepAndNeedsTwoObjects)
{
    a->SetSelected(true);
    EXPECT_FALSE(AlignObjects(site, TAlignment::Left));
    b->SetSelected(true);
    const QByteArray before = Bytes();
    EXPECT_TRUE(AlignObjects(site, TAlignment::Top));
    EXPECT_EQ(b->Top(), 100);
    EXPECT_EQ(Actions().Count(), 1);
    EXPECT_EQ(Actions().UndoCaption(), "位置揃え");
    Actions().Undo();
    EXPECT_EQ(Bytes(), before);
}

TEST_F(CommandTest, AdjustPositionAgainstTheFaceShape)
{
    // A face that is a wide band with a notch: rows 100-150 start at x 50, rows 150-250 at 80.
    QRegion face(50, 100, 900, 50);
    face += QRegion(80, 150, 870, 100);
    a->SetSelected(true); // spans rows 100-200
    const QByteArray before = Bytes();
    EXPECT_TRUE(AdjustPosition(site, TAdjustPosition::Left, face));
    EXPECT_EQ(a->Left(), 80);
    EXPECT_EQ(Actions().UndoCaption(), "位置合わせ");
    EXPECT_TRUE(AdjustPosition(site, TAdjustPosition::Top, face));
    EXPECT_EQ(a->Top(), 100);
    EXPECT_TRUE(AdjustPosition(site, TAdjustPosition::HorzCenter, face));
    EXPECT_EQ(a->Left(), 450);
    EXPECT_TRUE(AdjustPosition(site, TAdjustPosition::Tangent, face));
    EXPECT_EQ(a->Angle(), -90); // centre (500, 150) straight above the face centre (500, 400)
    EXPECT_TRUE(AdjustPosition(site, TAdjustPosition::Perpendicular, face));
    EXPECT_EQ(a->Angle(), 0);
    AdjustPosition(site, TAdjustPosition::Left, QRegion());
    EXPECT_EQ(a->Left(), 450);
    while (Actions().CanUndo())
        Actions().Undo();
    EXPECT_EQ(Bytes(), before);
}

} // namespace
