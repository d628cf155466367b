#include "objects/backgrounds/arrange_compose.h"

#include "core/canvas/units.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/jpeg_header.h"
#include "graphics/picture/load_image_file.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/raster/map_rect_to_quad.h"
#include "graphics/raster/progress_sink.h"
#include "graphics/raster/resample.h"
#include "objects/backgrounds/ring_sector_warp.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstring>

namespace {

// The largest size of the picture's proportions inside the box (each side at least 1).
QSize FitInside(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const double scale = std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    return {std::max(1, RoundHalfAway(picture.width() * scale)), std::max(1, RoundHalfAway(picture.height() * scale))};
}

QImage Resized(const QImage& picture, QSize size)
{
    const QImage source = picture.convertToFormat(QImage::Format_BGR888);
    if (source.size() == size)
        return source;
    QImage result(size, QImage::Format_BGR888);
    Resample(result, source, TResampleFilter::Linear);
    return result;
}

// Copies the colour image into the arrangement at the point where coverage (24 bits, white
// = covered; null for all covered) says so, and marks those pixels covered.
void Stamp(TArrangement& target, const QImage& colour, const QImage* coverage, QPoint at)
{
    const QRect area = QRect(at, colour.size()).intersected(target.Colour.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* in = colour.constScanLine(y - at.y());
        const uchar* cover = coverage ? coverage->constScanLine(y - at.y()) : nullptr;
        uchar* out = target.Colour.scanLine(y);
        uchar* mask = target.Mask.scanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            const int sx = x - at.x();
            if (cover && cover[3 * sx] < 128)
                continue;
            std::memcpy(out + 3 * x, in + 3 * sx, 3);
            mask[x] = 255;
        }
    }
}

QPoint CentredAt(QPointF centre, QSize size)
{
    return {int(std::floor(centre.x() - size.width() / 2.0 + 0.5)), int(std::floor(centre.y() - size.height() / 2.0 + 0.5))};
}

} // namespace

TFilePictures::TFilePictures(QStringList paths) : paths_(std::move(paths))
{
    for (const QString& path : paths_) {
        QImageReader reader(path);
        QSize size = reader.size();
        if (!size.isValid()) {
            // Formats the reader cannot size without decoding go through the picture classes.
            TPictureEx picture;
            try {
                LoadImageFile(picture, path);
                size = QSize(picture.Width(), picture.Height());
            } catch (const std::exception&) {
                size = QSize();
            }
        }
        sizes_.push_back(size.isValid() ? size : QSize());
    }
}

QImage TFilePictures::Load(int index, QSize target) const
{
    const QString& path = paths_[index];
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    try {
        if (data.startsWith("\xFF\xD8")) {
            const TJPEGHeader header = CheckJPEGHeader(data);
            return DecodeJPEGToSize(data, {header.Width, header.Height}, target.isEmpty() ? QSize(header.Width, header.Height) : target);
        }
        TPictureEx picture;
        LoadImageFile(picture, path);
        return picture.Graphic() ? FlattenOnWhite(picture.Graphic()->ToImage()).convertToFormat(QImage::Format_BGR888)
                                 : QImage();
    } catch (const std::exception&) {
        return {};
    }
}

int ArrangeCanvasSide(int baseWidth, int baseHeight)
{
    return MulDiv(std::min(baseWidth, baseHeight), 180, 254);
}

std::vector<TPlacement> ArrangePlacements(const TArrangeSettings& settings, QSize canvas,
                                          const std::vector<QSize>& sizes, const TRandomSource& random, QSize* used)
{
    if (used)
        *used = canvas;
    const int side = canvas.width();
    switch (settings.Style) {
    case asCirCircum: {
        std::vector<int> usable;
        for (int i = 0; i < int(sizes.size()); ++i)
            if (!sizes[i].isEmpty())
                usable.push_back(i);
        std::vector<TPlacement> placements =
            LayoutCircum(side, int(usable.size()), settings.Rotate, settings.Reverse);
        for (TPlacement& p : placements)
            p.Picture = usable[p.Picture];
        return placements;
    }
    case asCirContinue:
        return LayoutContinue(side, sizes, settings.Reverse);
    case asCirDoughnut:
    case asCirCircle:
        return LayoutSectors(side, sizes, settings.Style == asCirCircle, settings.Reverse);
    case asRectTile: {
        TRowLayout rows = LayoutRows(canvas, sizes, settings.TileRepeat);
        if (settings.CoverCanvas)
            CoverWithRows(rows, canvas, settings.ShiftRows);
        if (used)
            *used = rows.Used;
        return rows.Placements;
    }
    case asRectRandom:
        return LayoutRandom(canvas, sizes, random);
    case asFixed:
        return LayoutFixed(canvas, settings.Slots, sizes);
    case asNone:
        break;
    }
    return {};
}

void DrawPlacement(TArrangement& target, const TPlacement& p, const QImage& picture, bool transform)
{
    if (picture.isNull() || p.Size.isEmpty())
        return;
    if (p.Sector) {
        QImage source = picture;
        if (!p.Crop.isEmpty())
            source = picture.copy(p.Crop);
        TRingSector sector{p.Centre, p.Inner, p.Outer, double(p.Angle), p.SectorAngle};
        RingSectorWarp(target.Colour, target.Mask, Resized(source, p.Size), sector, transform, p.Reverse);
        return;
    }
    const QSize size = p.Stretch ? p.Size : FitInside(picture.size(), p.Size);
    if (size.isEmpty())
        return;
    const QImage cell = Resized(picture, size);
    const int angle = ((p.Angle % 360) + 360) % 360;
    if (angle == 0) {
        Stamp(target, cell, nullptr, CentredAt(p.Centre, size));
        return;
    }
    QImage covered(size, QImage::Format_BGR888);
    covered.fill(Qt::white);
    QImage turned, turnedCover;
    RotateBitmap(cell, turned, angle, clWhite, size);
    RotateBitmap(covered, turnedCover, angle, clBlack, size);
    if (turned.size() != turnedCover.size())
        return;
    turnedCover.convertTo(QImage::Format_BGR888);
    Stamp(target, turned.convertToFormat(QImage::Format_BGR888), &turnedCover, CentredAt(p.Centre, turned.size()));
}

TArrangement ComposeArrangement(const TArrangeSettings& settings, QSize canvas, const IArrangePictures& pictures,
                                const TRandomSource& random, IProgressSink* progress)
{
    TArrangement result;
    if (settings.Style == asNone || canvas.isEmpty())
        return result;
    std::vector<QSize> sizes;
    for (int i = 0; i < pictures.Count(); ++i)
        sizes.push_back(pictures.Size(i));
    QSize used;
    const std::vector<TPlacement> placements = ArrangePlacements(settings, canvas, sizes, random, &used);

    result.Colour = QImage(canvas, QImage::Format_BGR888);
    result.Colour.fill(Qt::white);
    result.Mask = QImage(canvas, QImage::Format_Grayscale8);
    result.Mask.fill(0);
    if (progress)
        progress->Start(int(placements.size()));
    for (const TPlacement& p : placements) {
        const QSize full = sizes[p.Picture];
        // Decode only as large as the picture is drawn (the whole picture, for a crop).
        QSize target = p.Stretch ? p.Size : FitInside(full, p.Size);
        if (p.Sector && !p.Crop.isEmpty())
            target = QSize(MulDiv(full.width(), p.Size.width(), p.Crop.width()),
                           MulDiv(full.height(), p.Size.height(), p.Crop.height()));
        QImage picture = pictures.Load(p.Picture, target);
        if (p.Sector && !p.Crop.isEmpty() && !picture.isNull() && picture.size() != full) {
            // The crop scaled to the picture as decoded.
            TPlacement scaled = p;
            const double sx = double(picture.width()) / full.width(), sy = double(picture.height()) / full.height();
            scaled.Crop = QRect(RoundHalfAway(p.Crop.left() * sx), RoundHalfAway(p.Crop.top() * sy),
                                std::max(1, RoundHalfAway(p.Crop.width() * sx)), std::max(1, RoundHalfAway(p.Crop.height() * sy)))
                              .intersected(picture.rect());
            DrawPlacement(result, scaled, picture, settings.Transform);
        } else {
            DrawPlacement(result, p, picture, settings.Transform);
        }
        if (progress)
            progress->Step();
    }
    if (progress)
        progress->End();
    if (used != canvas && !used.isEmpty()) {
        result.Colour = result.Colour.copy(QRect(QPoint(0, 0), used));
        result.Mask = result.Mask.copy(QRect(QPoint(0, 0), used));
    }
    return result;
}
