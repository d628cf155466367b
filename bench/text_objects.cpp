// 200 text objects on an A4 face exported at 254 dpi (one layout unit per pixel), painted
// through the document's face rendering as the export does: mixed sizes, every fourth
// distorted (by a shipped pattern or a built trapezoid), every third outlined and every
// fifth with a soft shadow. The peer is QPainter drawing the same 200 lines as QPainterPath
// text at the same sizes, stroked with the outline pen and filled, without distortion or
// shadow. Both sides clear the same 24-bit-in-32 image to white first. Our side includes
// what the export does per face: reading the objects from the document and laying them out.
#include "catalogue/paper/free_paper_info.h"
#include "core/canvas/memory_canvas.h"
#include "core/persistent/string_list.h"
#include "document/face_rendering.h"
#include "document/label_data.h"
#include "graphics/color/color_fill.h"
#include "text/distortion/cdd_file.h"
#include "text/distortion/coons_distortion.h"
#include "text/object/shade_text.h"
#include "text/point_based_font.h"
#include "text/text_classes.h"

#include <QPainter>
#include <QPainterPath>
#include <benchmark/benchmark.h>

namespace {

constexpr int kObjects = 200;
constexpr int kColumns = 10;
constexpr int kWidth = 2100; // A4 in tenths of a millimetre: pixels at 254 dpi
constexpr int kHeight = 2970;
constexpr int kCellWidth = kWidth / kColumns;
constexpr int kCellHeight = kHeight / (kObjects / kColumns);
const QString kFamily = QStringLiteral("IPAGothic");
const QString kPatternFile = QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.cdd");

struct Item {
    QString Line;
    int Points = 0;
    QRect Cell;
    bool Distorted = false;
    bool Outlined = false;
    bool SoftShadow = false;
};

std::vector<Item> Items()
{
    std::vector<Item> items;
    for (int i = 0; i < kObjects; ++i) {
        Item item;
        item.Line = i % 2 ? QStringLiteral("第%1曲 夜明け").arg(i % 20 + 1) : QStringLiteral("Track %1").arg(i);
        item.Points = 8 + (i * 7) % 17;
        item.Cell = QRect((i % kColumns) * kCellWidth, (i / kColumns) * kCellHeight, kCellWidth, kCellHeight);
        item.Distorted = i % 4 == 0;
        item.Outlined = i % 3 == 0;
        item.SoftShadow = i % 5 == 0;
        items.push_back(item);
    }
    return items;
}

void SetTrapezoid(TCoonsDistortion& distortion)
{
    for (int side = 0; side < 4; ++side)
        distortion.SetCount(side, 2);
    distortion.SetPoint(kSideTop, 0, {0.25, 0});
    distortion.SetPoint(kSideTop, 1, {0.75, 0});
    distortion.SetPoint(kSideBottom, 0, {0, 1});
    distortion.SetPoint(kSideBottom, 1, {1, 1});
}

std::unique_ptr<TDrawObject> TextObject(const Item& item, int index, const TCDDFile& patterns)
{
    auto text = std::make_unique<TLOText>();
    text->SetBoundsRect({item.Cell.left(), item.Cell.top(), item.Cell.right(), item.Cell.bottom()});
    text->Text()->SetLines({item.Line});
    text->TextFont()->SetName(kFamily);
    text->TextFont()->SetSize(item.Points);
    text->TextColor()->SetColor(0x203080);
    if (item.Distorted) {
        if (index % 8 == 0)
            patterns.LoadPattern((index / 8) % patterns.Count(), *text->CoonsDistortion());
        else
            SetTrapezoid(*text->CoonsDistortion());
    }
    if (item.Outlined) {
        text->SetOutline(true);
        text->OutlineColor()->SetColor(0x00C0FF);
        text->SetOutLineWidth(2);
    }
    if (item.SoftShadow) {
        text->SetShadow(8);
        text->ShadowColor()->SetColor(0x808080);
        text->SetShadeShadowEnable(true);
    }
    return text;
}

struct Fixture {
    std::vector<Item> items = Items();
    TLabelData document;
    QImage image{kWidth, kHeight, QImage::Format_RGB32};

    Fixture()
    {
        RegisterDocumentClasses();
        RegisterTextClasses();
        TFreePaperInfo paper;
        paper.SetWidth(kWidth);
        paper.SetHeight(kHeight);
        paper.SetPaperName(QStringLiteral("A4"));
        TFaceItem* face = paper.Faces()->AddFace();
        face->SetFaceRect({0, 0, kWidth, kHeight});
        face->SetFaceShape(fsRect);
        document.SetPaper(paper);
        const TCDDFile patterns(kPatternFile);
        std::vector<std::unique_ptr<TDrawObject>> objects;
        std::vector<TDrawObject*> raw;
        for (int i = 0; i < kObjects; ++i) {
            objects.push_back(TextObject(items[i], i, patterns));
            raw.push_back(objects.back().get());
        }
        document.SaveObjects(0, raw);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
    }
};

// The share of pixels that are not white: both sides must have painted their text.
double InkShare(const QImage& image)
{
    qint64 inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            inked += (line[x] & 0xFFFFFF) != 0xFFFFFF;
    }
    return double(inked) / (qint64(image.width()) * image.height());
}

void ReportInk(benchmark::State& state, const QImage& image)
{
    const double share = InkShare(image);
    if (share == 0)
        state.SkipWithError("nothing was painted");
    state.counters["ink%"] = 100 * share;
}

Fixture& SharedFixture()
{
    static Fixture fixture;
    return fixture;
}

void Ours(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    for (auto _ : state) {
        fixture.image.fill(Qt::white);
        TMemoryCanvas canvas(fixture.image, 254);
        DrawDocumentFace(fixture.document, 0, canvas, true);
    }
    ReportInk(state, fixture.image);
}

void Peer(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    for (auto _ : state) {
        fixture.image.fill(Qt::white);
        QPainter painter(&fixture.image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        for (const Item& item : fixture.items) {
            QFont font(kFamily);
            font.setPixelSize(item.Points * 254 / 72);
            QPainterPath path;
            path.addText(item.Cell.left(), item.Cell.top() + QFontMetrics(font).ascent(), font, item.Line);
            painter.save();
            painter.setClipRect(item.Cell);
            painter.setPen(item.Outlined ? QPen(QColor(0xFF, 0xC0, 0x00), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                         : QPen(Qt::NoPen));
            painter.setBrush(QColor(0x80, 0x30, 0x20));
            painter.drawPath(path);
            painter.restore();
        }
    }
    ReportInk(state, fixture.image);
}

} // namespace

// Processor time: the painting is single-threaded and the machine may be shared.
BENCHMARK(Ours)->Name("text_objects_a4_254dpi/ours")->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(Peer)->Name("text_objects_a4_254dpi/peer")->Unit(benchmark::kMillisecond)->MinTime(3);
