// EAN-13 from digits to finished pixels, with the human-readable digits: one 30 x 10 mm
// symbol at 254 and at 1,200 dpi, and a sheet of 65 of them at 254 dpi, against libzint's
// encode-and-buffer at the same pixel width (libzint draws one symbol per call; for the
// sheet it is called 65 times).
#include "core/canvas/memory_canvas.h"
#include "objects/codes/jan_object.h"
#include "objects/codes/jan_symbol.h"

#include <benchmark/benchmark.h>
#include <zint.h>

#include <cmath>
#include <memory>

namespace {

constexpr int kWidth = 300; // logical units (0.1 mm)
constexpr int kHeight = 100;
constexpr int kSheetColumns = 5;
constexpr int kSheetRows = 13;
const QString kDigits = QStringLiteral("490123456789");

// Draws codes laid out in a grid of columns x rows into an image at dpi, re-encoding each.
void Ours(benchmark::State& state, int dpi, int columns, int rows)
{
    const int cellWidth = kWidth + 100;
    const int cellHeight = kHeight + 100;
    QImage image = CreateBitmap(QSize((columns * cellWidth) * dpi / 254, (rows * cellHeight) * dpi / 254),
                                QImage::Format_RGB32, dpi);
    TLOJANCode code;
    // Each symbol paints its own white background.
    for (auto _ : state) {
        TMemoryCanvas canvas(image, dpi);
        canvas.SetMapMode(TMapMode::Anisotropic);
        canvas.SetWindowExt({254, 254});
        canvas.SetViewportExt({dpi, dpi});
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                code.SetJANCode(QString());
                code.SetJANCode(MakeJANCode(kDigits));
                code.SetBoundsRect({column * cellWidth, row * cellHeight, column * cellWidth + kWidth,
                                    row * cellHeight + kHeight});
                code.Paint(canvas);
            }
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(std::to_string(columns * rows) + " symbols " + std::to_string(kWidth * dpi / 254) + " px wide");
}

// libzint: one symbol of the same pixel width per call (its X-dimension is 2 x scale
// pixels over 95 modules and its default quiet zones).
void Peer(benchmark::State& state, int dpi, int count)
{
    const QByteArray digits = kDigits.toLatin1();
    const double pixels = kWidth * dpi / 254.0;
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            zint_symbol* symbol = ZBarcode_Create();
            symbol->symbology = BARCODE_EANX;
            symbol->scale = static_cast<float>(pixels / (2 * kEAN13Modules));
            symbol->height = static_cast<float>(kHeight * kEAN13Modules / double(kWidth));
            if (ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char*>(digits.constData()),
                                           static_cast<int>(digits.size()), 0) >= ZINT_ERROR) {
                state.SkipWithError("zint refused the code");
                ZBarcode_Delete(symbol);
                return;
            }
            benchmark::DoNotOptimize(symbol->bitmap);
            if (i == 0)
                state.SetLabel(std::to_string(count) + " symbols " + std::to_string(symbol->bitmap_width) + " px wide");
            ZBarcode_Delete(symbol);
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(Ours, dpi254, 254, 1, 1)->Name("ean13_render_254dpi/ours");
BENCHMARK_CAPTURE(Peer, dpi254, 254, 1)->Name("ean13_render_254dpi/peer");
BENCHMARK_CAPTURE(Ours, dpi1200, 1200, 1, 1)->Name("ean13_render_1200dpi/ours");
BENCHMARK_CAPTURE(Peer, dpi1200, 1200, 1)->Name("ean13_render_1200dpi/peer");
BENCHMARK_CAPTURE(Ours, sheet65, 254, kSheetColumns, kSheetRows)->Name("ean13_sheet_65_up/ours");
BENCHMARK_CAPTURE(Peer, sheet65, 254, kSheetColumns * kSheetRows)->Name("ean13_sheet_65_up/peer");
