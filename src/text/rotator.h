#pragma once
// TRotator turns points and recorded outlines by whole degrees about a centre; positive
// angles turn clockwise on the page (y grows downwards). Offsets from the centre are turned
// in floating point and rounded half away from zero.
#include "text/transformer.h"

#include <QPoint>
#include <cstdint>

// An angle in degrees brought into 0 .. 359 by a true modulo (any 64-bit value).
int NormalizeAngle(std::int64_t degrees);

class TRotator : public TTransformer {
    LR_CLASS(TRotator, TTransformer)
public:
    TRotator() = default;
    TRotator(int angle, QPoint centre);

    int Angle() const { return angle_; }
    // Normalised into 0 .. 359.
    void SetAngle(std::int64_t angle);
    QPoint Centre() const { return centre_; }
    void SetCentre(QPoint centre) { centre_ = centre; }

    // x' = cx + round(dx cos - dy sin), y' = cy + round(dx sin + dy cos).
    QPoint Rotate(QPoint point) const;
    void TransformPoint(QPoint& point) const override { point = Rotate(point); }

    void Assign(const TPersistent& source) override;

private:
    void UpdateTrig();

    int angle_ = 0;
    QPoint centre_;
    double cos_ = 1;
    double sin_ = 0;
};
