#pragma once
// TTransformer: the base of the point transforms that bend or turn recorded outlines
// (rotation, Coons distortion). Transforming a stroke transforms each of its points.
#include "core/persistent/persistent.h"

#include <QPoint>

class TStroke;

class TTransformer : public TPersistent {
    LR_CLASS(TTransformer, TPersistent)
public:
    TTransformer() = default;

    // TransformPoint applied to every point of the stroke; the point types stay.
    virtual void TransformStroke(TStroke& stroke) const;
    virtual void TransformPoint(QPoint& point) const = 0;
};
