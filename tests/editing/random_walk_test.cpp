// A seeded walk of edits through gestures and commands, undone step by step back to the
// bytes the design had before each step, and across face switches.
#include "editing_fixture.h"

#include "editing/clipboard/object_list.h"
#include "editing/commands/alignment.h"
#include "editing/commands/standard_commands.h"

#include <random>

namespace {

class RandomWalkTest : public EditingTest {
protected:
    void SetUp() override
    {
        Actions().SetRepeatAllowed(false);
        for (int i = 0; i < 6; ++i)
            Add<TTestRect>(TRect(50 + 150 * i, 100 + 40 * i, 130 + 150 * i, 180 + 40 * i), 0, i % 2 == 0);
        Add<TTestLine>(QPoint(100, 600), QPoint(500, 650));
        Add<TTestArc>(QPoint(600, 600), QPoint(700, 550), QPoint(800, 600));
    }

    QPoint Anywhere() { return {Pick(0, 999), Pick(0, 799)}; }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    TDrawObject* AnyObject()
    {
        if (site.ObjectCount() == 0)
            return nullptr;
        return site.Object(Pick(0, site.ObjectCount() - 1));
    }

    // One random edit.
    void Step()
    {
        TDrawObject* object = AnyObject();
        switch (Pick(0, 11)) {
        case 0: // move by dragging the object
            if (object) {
                const QPoint centre = RectCenter(object->GetBounds());
                Drag(centre, centre + QPoint(Pick(-200, 200), Pick(-200, 200)), Pick(0, 1) ? ssShift : 0);
            }
            break;
        case 1: // a handle of the selection
            if (object) {
                site.SelectAll(false);
                object->SetSelected(true);
                const auto& pivots = site.Pivots();
                if (!pivots.empty()) {
                    const TPivot pivot = pivots[Pick(0, static_cast<int>(pivots.size()) - 1)];
                    Drag(pivot.Logical, pivot.Logical + QPoint(Pick(-150, 150), Pick(-150, 150)),
                         Pick(0, 3) == 0 ? ssShift : 0);
                }
            }
            break;
        case 2: // rubber band
            Drag(Anywhere(), Anywhere());
            break;
        case 3: {
            TDSAClear clear;
            clear.Execute(site);
            break;
        }
        case 4: {
            TDSACopy copy;
            copy.Execute(site);
            TDSAPaste paste;
            paste.Execute(site);
            break;
        }
        case 5: {
            TDSALock lock(Pick(0, 1) == 0);
            lock.Execute(site);
            break;
        }
        case 6: {
            TDSABringToFront front;
            front.Execute(site);
            break;
        }
        case 7: {
            TDSASendToBack back;
            back.Execute(site);
            break;
        }
        case 8: {
            TDSAOffsetAngle turn(QStringLiteral("180ﾟ(&O)"), 180, QStringLiteral("設定変更"));
            turn.Execute(site);
            break;
        }
        case 9:
            AlignObjects(site, static_cast<TAlignment>(Pick(0, 7)));
            break;
        case 10: // Ctrl drag copy
            if (object) {
                const QPoint centre = RectCenter(object->GetBounds());
                Drag(centre, centre + QPoint(Pick(-100, 100), Pick(-100, 100)), ssCtrl);
            }
            break;
        default: {
            TDSASelectAll all;
            all.Execute(site);
            break;
        }
        }
    }

    std::mt19937 random{20261210};
};

TEST_F(RandomWalkTest, TenStepsUndoneReturnToTheFirstBytes)
{
    for (int round = 0; round < 40; ++round) {
        Actions().Clear();
        const QByteArray first = Bytes();
        // The bytes before each recorded step, to compare every undo with.
        std::vector<QByteArray> before;
        for (int tries = 0; tries < 100 && static_cast<int>(before.size()) < TActionList::kMaxDepth; ++tries) {
            const int index = Actions().CurrentIndex();
            const QByteArray bytesBefore = Bytes();
            Step();
            if (Actions().CurrentIndex() != index)
                before.push_back(bytesBefore);
            else
                ASSERT_EQ(Bytes(), bytesBefore) << "an edit that left no undo step changed the design";
        }
        const QByteArray last = Bytes();
        while (Actions().CanUndo()) {
            Actions().Undo();
            ASSERT_EQ(Bytes(), before.back()) << "round " << round << " step " << before.size();
            before.pop_back();
        }
        ASSERT_EQ(Bytes(), first) << "round " << round;
        while (Actions().CanRedo())
            Actions().Redo();
        ASSERT_EQ(Bytes(), last) << "round " << round;
    }
}

TEST_F(RandomWalkTest, FaceSwitchesInTheMiddleOfAWalk)
{
    for (int round = 0; round < 10; ++round) {
        // Switch to another face: its objects come from the stored form of the current ones.
        std::vector<std::unique_ptr<TDrawObject>> face = ReadObjectListBytes(ObjectListBytes(site.GetObjects(false)));
        std::reverse(face.begin(), face.end());
        site.ReplaceContent(std::move(face));
        const QByteArray first = Bytes();
        for (int i = 0; i < 8; ++i)
            Step();
        while (Actions().CanUndo())
            Actions().Undo();
        ASSERT_EQ(Bytes(), first) << "round " << round;
    }
}

} // namespace
