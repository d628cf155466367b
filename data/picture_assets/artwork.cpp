#include "artwork.h"

#include "graphics/raster/gaussian_blur.h"
#include "objects/pictures/image_composite.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kFrameSide = 400;
constexpr int kShadeSide = 240;

QImage Canvas(int width, int height, QColor fill)
{
    QImage image(width, height, QImage::Format_BGR888);
    image.fill(fill);
    return image;
}

// A frame: band in the colour, window in the window colour, corners of the clear colour
// where asked for.
QImage Frame(QColor band, const QPainterPath& window, bool clearCorners)
{
    QImage image = Canvas(kFrameSide, kFrameSide, band);
    QPainter painter(&image);
    if (clearCorners) {
        QPainterPath outer;
        outer.addRect(0, 0, kFrameSide, kFrameSide);
        QPainterPath rounded;
        rounded.addRoundedRect(0, 0, kFrameSide, kFrameSide, 60, 60);
        painter.fillPath(outer.subtracted(rounded), QColor::fromRgb(kFrameClearColour));
    }
    painter.fillPath(window, QColor::fromRgb(kFrameWindowColour));
    return image;
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / points;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(double side)
{
    QPainterPath path;
    path.moveTo(side / 2, side * 0.88);
    path.cubicTo(side * 0.05, side * 0.55, side * 0.05, side * 0.12, side * 0.3, side * 0.12);
    path.cubicTo(side * 0.42, side * 0.12, side / 2, side * 0.22, side / 2, side * 0.3);
    path.cubicTo(side / 2, side * 0.22, side * 0.58, side * 0.12, side * 0.7, side * 0.12);
    path.cubicTo(side * 0.95, side * 0.12, side * 0.95, side * 0.55, side / 2, side * 0.88);
    return path;
}

QImage Shape(const QPainterPath& path)
{
    QImage image = Canvas(kShadeSide, kShadeSide, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Qt::white);
    return image;
}

} // namespace

std::vector<TArtwork> OverlayFrames()
{
    QPainterPath oval;
    oval.addEllipse(50, 50, kFrameSide - 100, kFrameSide - 100);
    QPainterPath rounded;
    rounded.addRoundedRect(40, 40, kFrameSide - 80, kFrameSide - 80, 40, 40);
    return {
        {QStringLiteral("FRAME01"), Frame(QColor(250, 250, 245), oval, false)},
        {QStringLiteral("FRAME02"), Frame(QColor(40, 70, 140), rounded, true)},
        {QStringLiteral("FRAME03"), Frame(QColor(150, 30, 40), StarPath({200, 200}, 190, 95, 5), false)},
    };
}

std::vector<TArtwork> AlphaFrames()
{
    // White in the middle fading to black at the edges: round and square vignettes.
    QImage round = Canvas(kFrameSide, kFrameSide, Qt::black);
    QImage square = Canvas(kFrameSide, kFrameSide, Qt::black);
    const double half = kFrameSide / 2.0;
    for (int y = 0; y < kFrameSide; ++y) {
        uchar* roundRow = round.scanLine(y);
        uchar* squareRow = square.scanLine(y);
        for (int x = 0; x < kFrameSide; ++x) {
            const double dx = (x + 0.5 - half) / half;
            const double dy = (y + 0.5 - half) / half;
            const double r = std::hypot(dx, dy);
            const double s = std::max(std::abs(dx), std::abs(dy));
            const auto level = [](double d) { return uchar(std::lround(255 * std::clamp((1.0 - d) / 0.4, 0.0, 1.0))); };
            std::fill_n(roundRow + 3 * x, 3, level(r));
            std::fill_n(squareRow + 3 * x, 3, level(s));
        }
    }
    return {{QStringLiteral("AFRAME01"), round}, {QStringLiteral("AFRAME02"), square}};
}

std::vector<TArtwork> ShadeShapes()
{
    const double side = kShadeSide;
    QPainterPath circle;
    circle.addEllipse(20, 20, side - 40, side - 40);
    QPainterPath square;
    square.addRoundedRect(30, 30, side - 60, side - 60, 20, 20);
    QPainterPath diamond;
    diamond.moveTo(side / 2, 15);
    diamond.lineTo(side - 15, side / 2);
    diamond.lineTo(side / 2, side - 15);
    diamond.lineTo(15, side / 2);
    diamond.closeSubpath();
    return {
        {QStringLiteral("SHADE01"), Shape(circle)},
        {QStringLiteral("SHADE02"), Shape(square)},
        {QStringLiteral("SHADE03"), Shape(diamond)},
        {QStringLiteral("SHADE04"), Shape(StarPath({side / 2, side / 2}, side / 2 - 12, side / 4.5, 5))},
        {QStringLiteral("SHADE05"), Shape(HeartPath(side))},
    };
}

QImage SoftEdged(const QImage& sharp)
{
    QImage soft = sharp.copy();
    GaussianBlur(soft, soft.rect(), 12, 12);
    return soft;
}

QImage Preview(const QImage& picture)
{
    return picture.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_BGR888);
}
