#include "text/transformer.h"

#include "graphics/raster/stroke.h"

LR_DEFINE_CLASS(TTransformer, TPersistent, LR_ABSTRACT)

void TTransformer::TransformStroke(TStroke& stroke) const
{
    for (int i = 0; i < stroke.Count(); ++i) {
        QPoint point = stroke.Point(i);
        TransformPoint(point);
        stroke.SetPoint(i, point);
    }
}
