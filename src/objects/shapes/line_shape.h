#pragma once
// TLOLine: a straight line between two end points, of a given width, painted by a colour
// fill through the clip of its widened outline. Its angle is derived from the end
// points; setting it turns both points about the midpoint.
#include "core/model/label_object.h"
#include "core/model/object_interfaces.h"
#include "graphics/color/color_interfaces.h"
#include "text/rotator.h"

#include <QPainterPath>
#include <memory>

class TColorSpec;

class TLOLine : public TLabelObject,
                public IBlendable,
                public IDORotate,
                public IDOLine,
                public IDOBounds,
                public IDOLineColor,
                public IDODrawGhost,
                public IDOEncloseBounds {
    LR_CLASS(TLOLine, TLabelObject)
public:
    TLOLine();
    ~TLOLine() override;

    // --- published, in stream order ----------------------------------------------------
    int StartX() const { return start_.x(); }
    void SetStartX(int x) { SetStartPoint({x, start_.y()}); }
    int StartY() const { return start_.y(); }
    void SetStartY(int y) { SetStartPoint({start_.x(), y}); }
    int EndX() const { return end_.x(); }
    void SetEndX(int x) { SetEndPoint({x, end_.y()}); }
    int EndY() const { return end_.y(); }
    void SetEndY(int y) { SetEndPoint({end_.x(), y}); }
    TColorSpec* LineColorSpec() { return lineColor_.get(); }
    const TColorSpec* LineColorSpec() const { return lineColor_.get(); }
    int LineWidth() const { return lineWidth_; }

    // --- operations, in slot order ---------------------------------------------------------
    void MoveBy(int dx, int dy) override;
    // The bounding size includes the line width; the start (or the end, whichever lies
    // further left or up) stays in place.
    void Resize(int width, int height) override;
    void DrawOutline(TCanvas& canvas) override;
    // Turns both end points about the rotator's centre by the difference to the current
    // angle.
    void SetAngle(int angle) override;
    void SetStartPoint(QPoint point) override;
    void SetEndPoint(QPoint point) override;
    virtual void SetLineWidth(int width);

    // round(atan2(dy, dx)) in degrees, -180 .. 180, clockwise on the page.
    int Angle() const override;
    QPoint StartPoint() const override { return start_; }
    QPoint EndPoint() const override { return end_; }
    // The rotator's centre: the midpoint, rounded up.
    virtual QPoint TurnCentre() const;

    // --- label object ----------------------------------------------------------------------
    void Paint(TCanvas& canvas) override;
    void PaintMask(TCanvas& mask) override;
    bool HitTest(QPoint logical) const override;
    TRect GetBounds() const override;
    void PaintTo(TCanvas& canvas) override { TLabelObject::PaintTo(canvas); }
    void Notify(TObject* sender, const TNotifyId& id) override;

    // IDOBounds
    TRect LogicalRect() const override { return GetBounds(); }
    // IBlendable
    void SetBlendShade(bool shade) override { TLabelObject::SetBlendShade(shade); }
    bool BlendShade() const override { return TLabelObject::BlendShade(); }
    void SetBlendRatio(int ratio) override { TLabelObject::SetBlendRatio(ratio); }
    int BlendRatio() const override { return TLabelObject::BlendRatio(); }
    // IDOLineColor
    const TColorSpec& LineColor() const override { return *lineColor_; }
    void SetLineColor(const TColorSpec& color) override;

    void AssignTo(TPersistent& target) const override;

protected:
    // The centre line: start -> end for a line.
    virtual QPainterPath CentrePath() const;
    // The area the line covers with its pen (round ends, mitred joins).
    QPainterPath CoveredArea() const;
    // Called after an end point changed (not after a move).
    virtual void PointsChanged() {}
    // Stores both points as a move, without PointsChanged.
    void MovePoints(QPoint start, QPoint end);
    void ShapeChanged();

private:
    void StorePoint(QPoint& field, QPoint point);

    QPoint start_;
    QPoint end_;
    std::unique_ptr<TColorSpec> lineColor_;
    int lineWidth_ = 10;
};
