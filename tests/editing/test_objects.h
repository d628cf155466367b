#pragma once
// Stand-in object types for the editing tests: a rectangle that can turn and keep its
// aspect, a text-like rectangle with a baseline arc and a writing direction, a two-point
// line and a three-point arc. Each stores its geometry, so that stream comparisons see it.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"

#include <QPoint>

class TTestRect : public TLORectBase, public IDORotate {
    LR_CLASS(TTestRect, TLORectBase)
public:
    TTestRect() = default;
    explicit TTestRect(TRect rect, int angle = 0, bool keepAspect = false);

    int Angle() const override { return angle_; }
    void SetAngle(int angle) override;
    bool KeepAspect() const override { return keepAspect_; }
    void SetKeepAspect(bool keep);
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas& canvas) override;
    void AssignTo(TPersistent& target) const override;

    // Makes the next Assign onto this object fail halfway.
    bool failAssign = false;
    void Assign(const TPersistent& source) override;

private:
    int angle_ = 0;
    bool keepAspect_ = false;
};

// A rectangle without rotation or keep-aspect support.
class TTestPlainRect : public TLORectBase {
    LR_CLASS(TTestPlainRect, TLORectBase)
public:
    TTestPlainRect() = default;
    explicit TTestPlainRect(TRect rect) { SetBoundsRect(rect); }
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas& canvas) override;
};

class TTestText : public TTestRect, public IDOCurve, public IDOVertText, public IDOAutoSize {
    LR_CLASS(TTestText, TTestRect)
public:
    TTestText() = default;
    explicit TTestText(TRect rect);

    QPoint StartPoint() const override { return start_; }
    void SetStartPoint(QPoint p) override { Store(start_, p); }
    QPoint EndPoint() const override { return end_; }
    void SetEndPoint(QPoint p) override { Store(end_, p); }
    QPoint BulgePoint() const override { return bulge_; }
    void SetBulgePoint(QPoint p) override { Store(bulge_, p); }
    void BeginEdit() override {}
    void EndEdit() override {}
    bool Vertical() const override { return vertical_; }
    void SetVertical(bool vertical) override;
    bool AutoSize() const override { return autoSize_; }
    void SetAutoSize(bool autoSize) override;
    void AssignTo(TPersistent& target) const override;

    int StartX() const { return start_.x(); }
    void SetStartX(int v) { SetStartPoint({v, start_.y()}); }
    int StartY() const { return start_.y(); }
    void SetStartY(int v) { SetStartPoint({start_.x(), v}); }
    int EndX() const { return end_.x(); }
    void SetEndX(int v) { SetEndPoint({v, end_.y()}); }
    int EndY() const { return end_.y(); }
    void SetEndY(int v) { SetEndPoint({end_.x(), v}); }
    int BulgeX() const { return bulge_.x(); }
    void SetBulgeX(int v) { SetBulgePoint({v, bulge_.y()}); }
    int BulgeY() const { return bulge_.y(); }
    void SetBulgeY(int v) { SetBulgePoint({bulge_.x(), v}); }

private:
    void Store(QPoint& field, QPoint value);
    QPoint start_, end_, bulge_;
    bool vertical_ = false;
    bool autoSize_ = true;
};

class TTestLine : public TLabelObject, public IDOBounds, public IDOEncloseBounds, public IDOLine, public IDODrawGhost {
    LR_CLASS(TTestLine, TLabelObject)
public:
    TTestLine() = default;
    TTestLine(QPoint start, QPoint end);

    QPoint StartPoint() const override { return start_; }
    void SetStartPoint(QPoint p) override;
    QPoint EndPoint() const override { return end_; }
    void SetEndPoint(QPoint p) override;

    TRect LogicalRect() const override { return GetBounds(); }
    void MoveBy(int dx, int dy) override;
    void Resize(int width, int height) override;
    TRect GetBounds() const override;
    bool HitTest(QPoint logical) const override;
    void PaintTo(TCanvas& canvas) override { TLabelObject::PaintTo(canvas); }
    void DrawOutline(TCanvas& canvas) override;
    void AssignTo(TPersistent& target) const override;

    int X1() const { return start_.x(); }
    void SetX1(int v) { SetStartPoint({v, start_.y()}); }
    int Y1() const { return start_.y(); }
    void SetY1(int v) { SetStartPoint({start_.x(), v}); }
    int X2() const { return end_.x(); }
    void SetX2(int v) { SetEndPoint({v, end_.y()}); }
    int Y2() const { return end_.y(); }
    void SetY2(int v) { SetEndPoint({end_.x(), v}); }

private:
    void Moved();
    QPoint start_, end_;
};

class TTestArc : public TLabelObject, public IDOEncloseBounds, public IDOCurve, public IDODrawGhost {
    LR_CLASS(TTestArc, TLabelObject)
public:
    TTestArc() = default;
    TTestArc(QPoint start, QPoint bulge, QPoint end);

    QPoint StartPoint() const override { return start_; }
    void SetStartPoint(QPoint p) override { Store(start_, p); }
    QPoint EndPoint() const override { return end_; }
    void SetEndPoint(QPoint p) override { Store(end_, p); }
    QPoint BulgePoint() const override { return bulge_; }
    void SetBulgePoint(QPoint p) override { Store(bulge_, p); }
    void BeginEdit() override { ++editing; }
    void EndEdit() override { --editing; }

    void MoveBy(int dx, int dy) override;
    void Resize(int, int) override {}
    TRect GetBounds() const override;
    bool HitTest(QPoint logical) const override { return GetBounds().Inflated(5, 5).Contains(logical); }
    void PaintTo(TCanvas& canvas) override { TLabelObject::PaintTo(canvas); }
    void DrawOutline(TCanvas& canvas) override;
    void AssignTo(TPersistent& target) const override;

    int StartX() const { return start_.x(); }
    void SetStartX(int v) { SetStartPoint({v, start_.y()}); }
    int StartY() const { return start_.y(); }
    void SetStartY(int v) { SetStartPoint({start_.x(), v}); }
    int EndX() const { return end_.x(); }
    void SetEndX(int v) { SetEndPoint({v, end_.y()}); }
    int EndY() const { return end_.y(); }
    void SetEndY(int v) { SetEndPoint({end_.x(), v}); }
    int BulgeX() const { return bulge_.x(); }
    void SetBulgeX(int v) { SetBulgePoint({v, bulge_.y()}); }
    int BulgeY() const { return bulge_.y(); }
    void SetBulgeY(int v) { SetBulgePoint({bulge_.x(), v}); }

    int editing = 0;

private:
    void Store(QPoint& field, QPoint value);
    QPoint start_, end_, bulge_;
};

// Makes the stand-in classes creatable from streams.
void RegisterTestObjects();
