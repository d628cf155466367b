#include "graphics/raster/rotate_flip.h"

#include <cstring>

void RotateFlip(QImage& destination, const QImage& picture, int turn, int mirror)
{
    const QImage source = picture.convertToFormat(QImage::Format_BGR888);
    if (source.isNull()) {
        destination = QImage();
        return;
    }
    turn = ((turn % 4) + 4) % 4;
    const int W = source.width(), H = source.height();
    const bool swapped = turn == 1 || turn == 3;
    QImage out(swapped ? H : W, swapped ? W : H, QImage::Format_BGR888);
    out.setDotsPerMeterX(swapped ? source.dotsPerMeterY() : source.dotsPerMeterX());
    out.setDotsPerMeterY(swapped ? source.dotsPerMeterX() : source.dotsPerMeterY());
    const int w = out.width(), h = out.height();
    for (int y = 0; y < h; ++y) {
        uchar* row = out.scanLine(y);
        const int ty = mirror & 2 ? h - 1 - y : y;
        for (int x = 0; x < w; ++x) {
            const int tx = mirror & 1 ? w - 1 - x : x;
            // The turned image T at (tx, ty) reads the source at (sx, sy).
            int sx = tx, sy = ty;
            switch (turn) {
            case 1: sx = ty; sy = H - 1 - tx; break;
            case 2: sx = W - 1 - tx; sy = H - 1 - ty; break;
            case 3: sx = W - 1 - ty; sy = tx; break;
            default: break;
            }
            std::memcpy(row + 3 * x, source.constScanLine(sy) + 3 * sx, 3);
        }
    }
    destination = std::move(out);
}
