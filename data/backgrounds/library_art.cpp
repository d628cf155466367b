#include "library_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

// A fixed sequence of numbers in [0, 1), so that every build draws the same pictures.
class TSequence {
public:
    explicit TSequence(std::uint32_t seed) : state_(seed) {}
    double Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }

private:
    std::uint32_t state_;
};

using TPainting = std::function<void(QPainter& painter, double side)>;

QImage Paint(int side, const TPainting& painting)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painting(painter, side);
    return image;
}

void Vertical(QPainter& painter, double side, std::initializer_list<std::pair<double, QColor>> stops)
{
    QLinearGradient gradient(0, 0, 0, side);
    for (const auto& [at, colour] : stops)
        gradient.setColorAt(at, colour);
    painter.fillRect(QRectF(0, 0, side, side), gradient);
}

void SoftSpot(QPainter& painter, QPointF centre, double radius, QColor colour)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void Sky(QPainter& painter, double side)
{
    Vertical(painter, side, {{0, QColor(120, 180, 240)}, {0.7, QColor(200, 228, 250)}, {1, Qt::white}});
    TSequence sequence(7);
    for (int i = 0; i < 14; ++i)
        SoftSpot(painter, {sequence.Next() * side, (0.2 + sequence.Next() * 0.6) * side},
                 (0.06 + sequence.Next() * 0.08) * side, QColor(255, 255, 255, 200));
}

void Sunset(QPainter& painter, double side)
{
    Vertical(painter, side,
             {{0, QColor(70, 40, 120)}, {0.45, QColor(220, 90, 110)}, {0.75, QColor(250, 170, 80)}, {1, QColor(255, 230, 160)}});
    SoftSpot(painter, {side * 0.5, side * 0.78}, side * 0.25, QColor(255, 250, 210, 230));
}

void Rings(QPainter& painter, double side)
{
    const QPointF centre(side / 2, side / 2);
    const QColor colours[] = {QColor(255, 190, 200), QColor(255, 225, 170), QColor(250, 250, 180),
                              QColor(190, 240, 200), QColor(180, 215, 250), QColor(215, 195, 245)};
    painter.setPen(Qt::NoPen);
    for (int ring = 12; ring > 0; --ring) {
        painter.setBrush(colours[ring % 6]);
        const double r = side * 0.75 * ring / 12;
        painter.drawEllipse(centre, r, r);
    }
}

void Stripes(QPainter& painter, double side)
{
    const QColor colours[] = {QColor(250, 215, 215), QColor(255, 245, 225), QColor(215, 235, 250), QColor(255, 245, 225)};
    const int count = 16;
    for (int i = 0; i < count; ++i)
        painter.fillRect(QRectF(i * side / count, 0, side / count + 1, side), colours[i % 4]);
}

void Candy(QPainter& painter, double side)
{
    painter.fillRect(QRectF(0, 0, side, side), QColor(255, 250, 240));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 120, 140));
    const double step = side / 10;
    for (double x = -side; x < side * 2; x += step) {
        QPainterPath band;
        band.moveTo(x, 0);
        band.lineTo(x + step / 2, 0);
        band.lineTo(x + step / 2 + side, side);
        band.lineTo(x + side, side);
        band.closeSubpath();
        painter.drawPath(band);
    }
}

void Dots(QPainter& painter, double side)
{
    painter.fillRect(QRectF(0, 0, side, side), QColor(255, 248, 225));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 190, 170));
    const double step = side / 8;
    for (int row = 0; row <= 8; ++row)
        for (int column = 0; column <= 8; ++column) {
            const double x = column * step + (row % 2 ? step / 2 : 0);
            painter.drawEllipse(QPointF(x, row * step), step * 0.22, step * 0.22);
        }
}

void Gingham(QPainter& painter, double side)
{
    painter.fillRect(QRectF(0, 0, side, side), Qt::white);
    const double step = side / 12;
    const QColor band(90, 140, 220, 110);
    for (int i = 0; i < 12; i += 2) {
        painter.fillRect(QRectF(i * step, 0, step, side), band);
        painter.fillRect(QRectF(0, i * step, side, step), band);
    }
}

void Waves(QPainter& painter, double side)
{
    painter.fillRect(QRectF(0, 0, side, side), QColor(225, 245, 255));
    const int bands = 9;
    for (int band = 0; band < bands; ++band) {
        QPainterPath path;
        const double base = side * (band + 0.5) / bands;
        path.moveTo(0, side);
        for (int x = 0; x <= 64; ++x) {
            const double px = side * x / 64;
            path.lineTo(px, base + side * 0.03 * std::sin(px / side * 4 * M_PI + band));
        }
        path.lineTo(side, side);
        path.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv(200, 40 + band * 20, 255 - band * 12));
        painter.drawPath(path);
    }
}

void StarrySky(QPainter& painter, double side)
{
    QRadialGradient night(QPointF(side / 2, side), side * 1.2);
    night.setColorAt(0, QColor(40, 60, 130));
    night.setColorAt(1, QColor(5, 10, 40));
    painter.fillRect(QRectF(0, 0, side, side), night);
    TSequence sequence(42);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(sequence.Next() * side, sequence.Next() * side);
        const double size = 0.5 + sequence.Next() * sequence.Next() * 3.5;
        SoftSpot(painter, at, size * 2.5, QColor(255, 255, 230, 90));
        painter.setBrush(QColor(255, 255, 240));
        painter.drawEllipse(at, size * 0.6, size * 0.6);
    }
}

void Bubbles(QPainter& painter, double side)
{
    Vertical(painter, side, {{0, QColor(180, 235, 230)}, {1, QColor(60, 160, 180)}});
    TSequence sequence(3);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(sequence.Next() * side, sequence.Next() * side);
        const double r = (0.02 + sequence.Next() * 0.07) * side;
        painter.setPen(QPen(QColor(255, 255, 255, 170), std::max(1.0, r * 0.08)));
        painter.setBrush(QColor(255, 255, 255, 40));
        painter.drawEllipse(at, r, r);
        SoftSpot(painter, at + QPointF(-r * 0.4, -r * 0.4), r * 0.3, QColor(255, 255, 255, 200));
    }
}

void Petals(QPainter& painter, double side)
{
    Vertical(painter, side, {{0, QColor(255, 240, 245)}, {1, QColor(250, 205, 220)}});
    TSequence sequence(11);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        painter.save();
        painter.translate(sequence.Next() * side, sequence.Next() * side);
        painter.rotate(sequence.Next() * 360);
        const double length = (0.05 + sequence.Next() * 0.05) * side;
        painter.setBrush(QColor(240, 150 + int(sequence.Next() * 60), 180, 210));
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(length * 0.5, -length * 0.45, length, -length * 0.2, length, 0);
        petal.cubicTo(length, length * 0.2, length * 0.5, length * 0.45, 0, 0);
        painter.drawPath(petal);
        painter.restore();
    }
}

} // namespace

std::vector<TLibraryArt> DrawLibraryArt(int side)
{
    struct Source {
        const char* Stem;
        const char* Title;
        const char* Genre;
        TPainting Painting;
    };
    const Source sources[] = {
        {"sky", "青空", "グラデーション", Sky},
        {"sunset", "夕焼け", "グラデーション", Sunset},
        {"rings", "虹の輪", "グラデーション", Rings},
        {"stripes", "ストライプ", "もよう", Stripes},
        {"candy", "キャンディ", "もよう", Candy},
        {"dots", "水玉", "もよう", Dots},
        {"gingham", "ギンガム", "もよう", Gingham},
        {"waves", "波", "もよう", Waves},
        {"stars", "星空", "風景", StarrySky},
        {"bubbles", "泡", "風景", Bubbles},
        {"petals", "花びら", "風景", Petals},
    };
    std::vector<TLibraryArt> art;
    for (const Source& source : sources)
        art.push_back({source.Stem, source.Title, source.Genre, Paint(side, source.Painting)});
    return art;
}
