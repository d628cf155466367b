// An arranged image end to end: 32 photos of 1600 x 1200 pixels read from JPEG files and tiled
// into the 850-pixel canvas of a 120 mm disc. Ours decodes each file at the coarsest DCT scale
// that covers its cell; the baseline decodes every file whole with Qt and scales it down
// smoothly, as a straightforward composition would. Both draw the same placements.
#include "objects/backgrounds/arrange_compose.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <random>

namespace {

constexpr int kPhotos = 32;
const QSize kPhotoSize(1600, 1200);
const QSize kCanvas(ArrangeCanvasSide(1200, 1200), ArrangeCanvasSide(1200, 1200));

// Photo-like files: a colour gradient with soft shapes and grain, saved at quality 90.
const QStringList& PhotoFiles()
{
    static QTemporaryDir dir;
    static const QStringList files = [] {
        QStringList paths;
        std::mt19937 random(7);
        for (int i = 0; i < kPhotos; ++i) {
            QImage photo(kPhotoSize, QImage::Format_RGB32);
            QPainter painter(&photo);
            QLinearGradient sky(0, 0, 0, kPhotoSize.height());
            sky.setColorAt(0, QColor::fromHsv(int(random() % 360), 120, 230));
            sky.setColorAt(1, QColor::fromHsv(int(random() % 360), 200, 90));
            painter.fillRect(photo.rect(), sky);
            painter.setRenderHint(QPainter::Antialiasing);
            for (int shape = 0; shape < 12; ++shape) {
                painter.setBrush(QColor::fromHsv(int(random() % 360), 160, 200, 160));
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(QPoint(int(random() % 1600), int(random() % 1200)), 60 + int(random() % 300),
                                    60 + int(random() % 200));
            }
            painter.end();
            for (int y = 0; y < photo.height(); y += 2) {
                auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
                for (int x = 0; x < photo.width(); x += 3)
                    row[x] ^= random() & 0x070707;
            }
            const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            photo.save(path, "JPEG", 90);
            paths << path;
        }
        return paths;
    }();
    return files;
}

// The straightforward way: every file decoded whole, then scaled smoothly to its cell.
class TWholeDecodePictures : public IArrangePictures {
public:
    explicit TWholeDecodePictures(QStringList paths) : paths_(std::move(paths)) {}
    int Count() const override { return int(paths_.size()); }
    QSize Size(int index) const override { return QImageReader(paths_[index]).size(); }
    QImage Load(int index, QSize target) const override
    {
        return QImage(paths_[index])
            .scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_BGR888);
    }

private:
    QStringList paths_;
};

void Arrange(benchmark::State& state, bool ours)
{
    const QStringList& files = PhotoFiles();
    TArrangeSettings settings;
    settings.Style = asRectTile;
    for (auto _ : state) {
        TArrangement arrangement;
        if (ours)
            arrangement = ComposeArrangement(settings, kCanvas, TFilePictures(files));
        else
            arrangement = ComposeArrangement(settings, kCanvas, TWholeDecodePictures(files));
        benchmark::DoNotOptimize(arrangement.Colour.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(Arrange, arranged_image_32_photos_tiled/ours, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Arrange, arranged_image_32_photos_tiled/baseline, false)->Unit(benchmark::kMillisecond);
