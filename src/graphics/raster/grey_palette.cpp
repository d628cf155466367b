#include "graphics/raster/grey_palette.h"

const QList<QRgb>& GreyPalette()
{
    static const QList<QRgb> palette = [] {
        QList<QRgb> entries;
        entries.reserve(256);
        for (int i = 0; i < 256; ++i)
            entries.append(qRgb(i, i, i));
        return entries;
    }();
    return palette;
}
