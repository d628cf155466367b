// An A4 sheet of two disc labels, each with a background photo, three lines of text and a
// QR code: printed at 254 dpi into a PDF file through the print pipeline (faces rendered
// in bands, stretched onto the page, written out), against rendering the same sheet in one
// picture without bands. The baseline is our own renderer: the cost of the pipeline and
// the PDF over the bare paint.
#include "catalogue/catalogue_classes.h"
#include "catalogue/database/papers_v2.h"
#include "document/face_rendering.h"
#include "document/label_data.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/backgrounds/back_image.h"
#include "objects/backgrounds/background_classes.h"
#include "objects/codes/code_classes.h"
#include "objects/codes/qr_object.h"
#include "printing/pipeline/print_document.h"
#include "printing/pipeline/print_request.h"
#include "text/object/shade_text.h"
#include "text/text_classes.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const QString kTwoUpDisc = QStringLiteral("CDラベル A4 2面 118mm 内径22mm");

// A smooth photo-like picture: two crossing colour waves.
QImage Photo(int width, int height)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[3 * x] = static_cast<uchar>(128 + 127 * std::sin(x * 0.013));
            line[3 * x + 1] = static_cast<uchar>(128 + 127 * std::sin(y * 0.017));
            line[3 * x + 2] = static_cast<uchar>((x + y) & 0xFF);
        }
    }
    return image;
}

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<TPapersV2> papers;
    TLabelData document;

    Fixture()
    {
        RegisterCatalogueClasses();
        RegisterDocumentClasses();
        RegisterTextClasses();
        RegisterBackgroundClasses();
        RegisterCodeClasses();
        papers = std::make_unique<TPapersV2>(QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.ppr"), false, true);
        const int index = papers->IndexOfName(kTwoUpDisc);
        if (index < 0)
            throw std::runtime_error("the two-up disc paper is missing from the catalogue");
        document.SetPaper(papers->Paper(index));
        const QImage photo = Photo(1200, 1200);
        for (int face = 0; face < 2; ++face) {
            const TRect area = document.FaceArea(face);
            TFaceInfo info;
            document.EffectivePaper()->GetFaceInfo(face, info);
            TLOBackImage background;
            background.SetFace(info, RectWidth(area), RectHeight(area));
            auto bitmap = std::make_unique<TSafetyBitmap>();
            bitmap->SetImage(photo);
            background.Image()->SetGraphic(std::move(bitmap));
            TLOText text;
            text.SetBoundsRect({250, 250, 950, 450});
            text.Text()->SetText(QStringLiteral("ベンチマーク\r\nSample Disc %1\r\n2026年").arg(face + 1));
            TLOQRCode code;
            code.SetBoundsRect({750, 750, 1000, 1000});
            code.SetPayload("https://example.jp/lumarest/bench");
            document.SaveObjects(face, {&code, &text, &background});
        }
    }
};

Fixture& SharedFixture()
{
    static Fixture fixture;
    return fixture;
}

void PrintToPdf(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    const QString path = fixture.dir.filePath(QStringLiteral("sheet.pdf"));
    const TPrintSpec spec = MakePrintSpec({}, 2, false);
    for (auto _ : state)
        PrintDocumentToFile(fixture.document, path, spec);
}

void RenderUnbanded(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderDocumentImage(fixture.document, -1, 254));
}

} // namespace

BENCHMARK(PrintToPdf)->Name("print_two_up_disc_sheet/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RenderUnbanded)->Name("print_two_up_disc_sheet/baseline")->Unit(benchmark::kMillisecond)->UseRealTime();
