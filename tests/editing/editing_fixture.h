#pragma once
// A draw site on its own editing context, where one logical unit is one device pixel, with
// helpers to add stand-in objects, drive gestures and take the bytes the design saves.
#include "core/stream/component_stream.h"
#include "editing/clipboard/clipboard.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "test_objects.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>

class EditingTest : public ::testing::Test {
protected:
    EditingTest()
    {
        RegisterTestObjects();
        // The model tests keep off the desktop's clipboard.
        context.SetClipboard(&clipboard);
        site.SetDeviceResolution(254);
        site.Scaler().SetUnitDPI(254);
        site.SetLogSize(1000, 800);
    }

    template <class T, class... Args>
    T* Add(Args&&... args)
    {
        return static_cast<T*>(site.AddObject(std::make_unique<T>(std::forward<Args>(args)...)));
    }

    // The bytes of the site's objects as the design stores them.
    QByteArray Bytes() const { return ComponentBytes(site); }
    TActionList& Actions() { return context.Actions(); }

    // A left-button drag from one logical point to another.
    void Drag(QPoint from, QPoint to, TShiftState shift = 0)
    {
        site.Press(Qt::LeftButton, from, shift);
        site.MoveTo((from + to) / 2, shift);
        site.MoveTo(to, shift);
        site.Release(Qt::LeftButton, to, shift);
    }
    // A drag that starts on a handle of the only selected object.
    void DragHandle(int handleIndex, QPoint delta, TShiftState shift = 0)
    {
        const auto& pivots = site.Pivots();
        for (const TPivot& pivot : pivots)
            if (pivot.Index == handleIndex) {
                const QPoint from = pivot.Logical;
                Drag(from, from + delta, shift);
                return;
            }
        ADD_FAILURE() << "no handle " << handleIndex;
    }

    // Runs an edit and checks that it made exactly one undo step with the caption, which
    // undoes to the bytes before and redoes to the bytes after.
    void ExpectOneUndoStep(const std::function<void()>& edit, const QString& caption)
    {
        const QByteArray before = Bytes();
        const int current = Actions().CurrentIndex();
        edit();
        const QByteArray after = Bytes();
        ASSERT_NE(before, after);
        ASSERT_EQ(Actions().CurrentIndex(), current + 1);
        ASSERT_EQ(Actions().Count(), current + 2);
        EXPECT_EQ(Actions().UndoCaption(), caption);
        Actions().Undo();
        EXPECT_EQ(Bytes(), before);
        Actions().Redo();
        EXPECT_EQ(Bytes(), after);
        Actions().Undo();
        EXPECT_EQ(Bytes(), before);
    }

    TMemoryClipboard clipboard;
    TEditContext context;
    TEditSite site{context};
};
