#pragma once
// Selection handles as plain records: which object and handle index they stand for, what
// they look like, where they are and the cursor they show.
#include <QPoint>
#include <QRect>

class TDrawObject;

enum class TPivotKind { Label, Rotate, Bulge };

enum class TPivotCursor { Arrow, SizeNWSE, SizeWE, SizeNESW, SizeNS, Rotate };

struct TPivot {
    TDrawObject* Object = nullptr;
    int Index = 0;
    TPivotKind Kind = TPivotKind::Label;
    TPivotCursor Cursor = TPivotCursor::Arrow;
    QPoint Logical;
    QRect Device;
    // Handles of a locked object are drawn inverted and cannot be dragged.
    bool Movable = true;

    static constexpr int kLabelSize = 5;
    static constexpr int kRoundSize = 6;
    int Size() const { return Kind == TPivotKind::Label ? kLabelSize : kRoundSize; }
};
