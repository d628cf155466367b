// The composite of a picture object: a 12-megapixel photo (4000 x 3000) under an overlay frame
// with a see-through window, turned by 30 degrees, against QPainter doing the same: the frame
// keyed on its window colour and drawn over the photo, then the result drawn turned (nearest
// neighbour, as ours) onto a transparent image, which carries colour and coverage together.
#include "objects/pictures/image_composite.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <random>

namespace {

constexpr int kAngle = 30;
const QSize kPhotoSize(4000, 3000);

QImage Photo()
{
    QImage image(kPhotoSize, QImage::Format_BGR888);
    std::mt19937 random(7);
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); ++i)
            row[i] = uchar(random());
    }
    return image;
}

// A frame of a quarter of the photo's size: a band around an oval window.
QImage Frame()
{
    QImage frame(kPhotoSize / 4, QImage::Format_BGR888);
    frame.fill(QColor(40, 70, 140));
    QPainter painter(&frame);
    QPainterPath window;
    window.addEllipse(QRectF(frame.rect()).adjusted(60, 60, -60, -60));
    painter.fillPath(window, QColor::fromRgb(kFrameWindowColour));
    return frame;
}

void Composite(benchmark::State& state, bool ours)
{
    const QImage photo = Photo();
    const QImage frame = Frame();
    if (ours) {
        TCompositeSource source;
        source.Picture = photo;
        source.Frame = frame;
        source.Angle = kAngle;
        source.ObjectSize = QSize(1200, 900);
        for (auto _ : state) {
            TImageComposite composite = BuildImageComposite(source);
            benchmark::DoNotOptimize(composite.Colour.constBits());
        }
    } else {
        for (auto _ : state) {
            QImage keyed = frame.convertToFormat(QImage::Format_ARGB32);
            keyed.setAlphaChannel(keyed.createMaskFromColor(kFrameWindowColour | 0xFF000000u, Qt::MaskInColor)
                                      .convertToFormat(QImage::Format_Grayscale8));
            QImage framed = photo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            {
                QPainter painter(&framed);
                painter.drawImage(framed.rect(), keyed);
            }
            QTransform turn;
            turn.rotate(kAngle);
            const QRect box = turn.mapRect(QRectF(framed.rect())).toAlignedRect();
            QImage turned(box.size(), QImage::Format_ARGB32_Premultiplied);
            turned.fill(Qt::transparent);
            {
                QPainter painter(&turned);
                painter.translate(-box.topLeft());
                painter.setTransform(turn, true);
                painter.drawImage(0, 0, framed);
            }
            benchmark::DoNotOptimize(turned.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * kPhotoSize.width() * kPhotoSize.height());
}

} // namespace

BENCHMARK_CAPTURE(Composite, image_composite_framed_30deg/ours, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Composite, image_composite_framed_30deg/peer, false)->Unit(benchmark::kMillisecond);
