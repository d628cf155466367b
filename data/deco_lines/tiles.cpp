#include "tiles.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

constexpr QRgb kKey = 0xFFF0F0F0;

// A tile of the size, on the key colour, drawn smoothly by the painter function.
QImage Tile(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor::fromRgb(kKey));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

QImage Dots()
{
    return Tile(32, 16, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x40, 0xA0));
        p.drawEllipse(QPointF(8, 8), 5, 5);
        p.setBrush(QColor(0xE0, 0x60, 0x20));
        p.drawEllipse(QPointF(24, 8), 3, 3);
    });
}

QImage Wave()
{
    return Tile(48, 16, [](QPainter& p) {
        QPainterPath path(QPointF(0, 8));
        path.cubicTo(12, -2, 12, -2, 24, 8);
        path.cubicTo(36, 18, 36, 18, 48, 8);
        p.setPen(QPen(QColor(0x10, 0x80, 0xC0), 3));
        p.drawPath(path);
    });
}

QImage Zigzag()
{
    return Tile(24, 16, [](QPainter& p) {
        p.setPen(QPen(QColor(0xC0, 0x20, 0x30), 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({QPointF(0, 13), QPointF(12, 3), QPointF(24, 13)}));
    });
}

QImage Chain()
{
    return Tile(32, 16, [](QPainter& p) {
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2, 4, 20, 8), 4, 4);
        p.drawLine(QPointF(22, 8), QPointF(32, 8));
        p.drawLine(QPointF(0, 8), QPointF(2, 8));
    });
}

QImage Diamonds()
{
    return Tile(16, 16, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x90, 0x40));
        p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(15, 8), QPointF(8, 15), QPointF(1, 8)}));
    });
}

QImage DoubleRule()
{
    return Tile(16, 12, [](QPainter& p) {
        p.fillRect(QRectF(0, 1, 16, 3), QColor(0x40, 0x20, 0x10));
        p.fillRect(QRectF(0, 8, 16, 2), QColor(0x40, 0x20, 0x10));
    });
}

} // namespace

std::vector<TDecoTile> ShippedDecoTiles()
{
    return {{QStringLiteral("01_dots.bmp"), Dots()},         {QStringLiteral("02_wave.bmp"), Wave()},
            {QStringLiteral("03_zigzag.bmp"), Zigzag()},     {QStringLiteral("04_chain.bmp"), Chain()},
            {QStringLiteral("05_diamonds.bmp"), Diamonds()}, {QStringLiteral("06_double_rule.bmp"), DoubleRule()}};
}
