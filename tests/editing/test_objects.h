#pragma once
// Stand-in object types for the editing tests: a rectangle that can turn and keep its
// aspect, a text-like rectangle with a baseline arc and a writing direction, a two-point
// line and a three-point arc. Each stores its geometry, so that stream comparisons see it.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"

#include <QPoint>
#include <functional>
#include <memory>

// The three points of an arc, as a published sub-object with a change callback.
class TTestArcPoints : public TPersistent {
    LR_CLASS(TTestArcPoints, TPersistent)
public:
    explicit TTestArcPoints(std::function<void()> onChange = {}) : onChange_(std::move(onChange)) {}

    QPoint start, end, bulge;
    void Set(QPoint& field, QPoint value);
    void Assign(const TPersistent& source) override;

    int StartX() const { return start.x(); }
    void SetStartX(int v) { Set(start, {v, start.y()}); }
    int StartY() const { return start.y(); }
    void SetStartY(int v) { Set(start, {start.x(), v}); }
    int EndX() const { return end.x(); }
    void SetEndX(int v) { Set(end, {v, end.y()}); }
    int EndY() const { return end.y(); }
    void SetEndY(int v) { Set(end, {end.x(), v}); }
    int BulgeX() const { return bulge.x(); }
    void SetBulgeX(int v) { Set(bulge, {v, bulge.y()}); }
    int BulgeY() const { return bulge.y(); }
    void SetBulgeY(int v) { Set(bulge, {bulge.x(), v}); }

private:
    std::function<void()> onChange_;
};

// The arc interface over an arc-points sub-object.
class TTestCurve : public IDOCurve {
public:
    explicit TTestCurve(std::function<void()> onChange) : arc_(std::make_unique<TTestArcPoints>(std::move(onChange))) {}

    QPoint StartPoint() const override { return arc_->start; }
    void SetStartPoint(QPoint p) override { arc_->Set(arc_->start, p); }
    QPoint EndPoint() const override { return arc_->end; }
    void SetEndPoint(QPoint p) override { arc_->Set(arc_->end, p); }
    QPoint BulgePoint() const override { return arc_->bulge; }
    void SetBulgePoint(QPoint p) override { arc_->Set(arc_->bulge, p); }
    void BeginEdit() override {}
    void EndEdit() override {}

protected:
    ~TTestCurve() = default;
    std::unique_ptr<TTestArcPoints> arc_;
};

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

class TTestText : public TTestRect, public TTestCurve, public IDOVertText, public IDOAutoSize {
    LR_CLASS(TTestText, TTestRect)
public:
    TTestText();
    explicit TTestText(TRect rect);

    bool Vertical() const override { return vertical_; }
    void SetVertical(bool vertical) override;
    bool AutoSize() const override { return autoSize_; }
    void SetAutoSize(bool autoSize) override;
    void AssignTo(TPersistent& target) const override;
    TTestArcPoints* Arc() { return arc_.get(); }
    const TTestArcPoints* Arc() const { return arc_.get(); }

private:
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

class TTestArc : public TLabelObject, public IDOEncloseBounds, public TTestCurve, public IDODrawGhost {
    LR_CLASS(TTestArc, TLabelObject)
public:
    TTestArc();
    TTestArc(QPoint start, QPoint bulge, QPoint end);

    void BeginEdit() override { ++editing; }
    void EndEdit() override { --editing; }

    void MoveBy(int dx, int dy) override;
    void Resize(int, int) override {}
    TRect GetBounds() const override;
    bool HitTest(QPoint logical) const override { return GetBounds().Inflated(5, 5).Contains(logical); }
    void PaintTo(TCanvas& canvas) override { TLabelObject::PaintTo(canvas); }
    void DrawOutline(TCanvas& canvas) override;
    void AssignTo(TPersistent& target) const override;
    TTestArcPoints* Arc() { return arc_.get(); }
    const TTestArcPoints* Arc() const { return arc_.get(); }

    int editing = 0;
};

// Makes the stand-in classes creatable from streams.
void RegisterTestObjects();
