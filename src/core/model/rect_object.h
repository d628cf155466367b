#pragma once
// TLORectBase: a label object whose geometry is a logical rectangle, published as Left,
// Top, Width and Height in place of the pixel bounds of the same names.
#include "core/model/label_object.h"
#include "core/model/object_interfaces.h"

class TLORectBase : public TLabelObject, public IDOBounds, public IDOEncloseBounds, public IDORect, public IDODrawGhost {
    LR_CLASS(TLORectBase, TLabelObject)
public:
    TLORectBase() = default;

    TRect BoundsRect() const { return rect_; }
    // Normalises the rectangle; when it differs from the current one, stores it, re-places
    // the object on its site and reports the change.
    virtual void SetBoundsRect(const TRect& rect);

    // IDOBounds / IDORect
    TRect LogicalRect() const override { return rect_; }
    int Left() const override { return rect_.Left; }
    void SetLeft(int value) override;
    int Top() const override { return rect_.Top; }
    void SetTop(int value) override;
    int Width() const override { return RectWidth(rect_); }
    void SetWidth(int value) override;
    int Height() const override { return RectHeight(rect_); }
    void SetHeight(int value) override;
    bool KeepAspect() const override { return false; }

    // IDOEncloseBounds
    void MoveBy(int dx, int dy) override;
    void Resize(int width, int height) override = 0;
    TRect GetBounds() const override { return rect_; }

    // IDODrawGhost
    void PaintTo(TCanvas& canvas) override { TLabelObject::PaintTo(canvas); }
    void DrawOutline(TCanvas& canvas) override = 0;

    // True when the point lies in the rectangle (right and bottom edges excluded).
    bool HitTest(QPoint logical) const override { return rect_.Contains(logical); }

    void AssignTo(TPersistent& target) const override;

private:
    TRect rect_;
};
