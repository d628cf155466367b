#pragma once
// TLOCurve: a circular arc over the chord between the two end points of a line, as high as
// its signed bulge.
#include "objects/shapes/line_shape.h"

class TLOCurve : public TLOLine, public IDOCurve {
    LR_CLASS(TLOCurve, TLOLine)
public:
    TLOCurve();

    int Bulge() const { return bulge_; }
    void SetBulge(int bulge);

    // IDOCurve. Setting the bulge point makes the bulge the height of the arc through it.
    QPoint StartPoint() const override { return TLOLine::StartPoint(); }
    void SetStartPoint(QPoint point) override { TLOLine::SetStartPoint(point); }
    QPoint EndPoint() const override { return TLOLine::EndPoint(); }
    void SetEndPoint(QPoint point) override { TLOLine::SetEndPoint(point); }
    QPoint BulgePoint() const override;
    void SetBulgePoint(QPoint point) override;
    void BeginEdit() override;
    void EndEdit() override;

    // The chord scales with the bounding box, the point further left (or up) staying in
    // place, and the bulge scales along the chord's normal, so that the arc keeps its
    // shape.
    void Resize(int width, int height) override;
    // The centre of the bounds.
    QPoint TurnCentre() const override;

    void AssignTo(TPersistent& target) const override;

protected:
    // The arc through the bulge point, from start to end for a positive bulge and from end
    // to start otherwise.
    QPainterPath CentrePath() const override;

private:
    int bulge_ = 30;
};
