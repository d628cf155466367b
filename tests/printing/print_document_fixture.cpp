#include "print_document_fixture.h"

#include "catalogue/catalogue_classes.h"
#include "catalogue/paper/paper_info.h"
#include "core/face/face_info.h"
#include "core/persistent/color_type.h"
#include "document/direct_print/direct_printer_info.h"
#include "document/direct_print/effective_paper.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>

void PrintDocumentTest::SetUp()
{
    RegisterCatalogueClasses();
    RegisterDocumentClasses();
    RegisterPrintTestObjects();
    papers_ = std::make_unique<TPapersV2>(QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.ppr"), false, true);
    SetDirectPrintCatalogue(papers_.get());
}

void PrintDocumentTest::TearDown()
{
    document_.reset();
    SetDirectPrintCatalogue(nullptr);
}

const TPaperInfo& PrintDocumentTest::CataloguePaper(const QString& name)
{
    const int index = papers_->IndexOfName(name);
    EXPECT_GE(index, 0) << name.toStdString();
    return papers_->Paper(std::max(index, 0));
}

void PrintDocumentTest::UsePaper(const QString& name)
{
    document_ = std::make_unique<TLabelData>();
    const TPaperInfo& paper = CataloguePaper(name);
    if (papers_->IsDirectPrintPaper(paper)) {
        TDirectPrinterInfo printers = TDirectPrinterInfo::FromCatalogue(*papers_);
        EXPECT_TRUE(printers.Select(kR280));
        document_->SetPaper(*printers.CopyForModel(paper));
    } else {
        document_->SetPaper(paper);
    }
}

TRect PrintDocumentTest::FaceOuter(int face)
{
    TFaceInfo info;
    document_->EffectivePaper()->GetFaceInfo(face, info);
    return info.OuterRect();
}

void PrintDocumentTest::Design(int face, int backgroundColour, std::vector<std::unique_ptr<TDrawObject>> more)
{
    const TRect area = document_->FaceArea(face);
    std::vector<std::unique_ptr<TDrawObject>> objects;
    if (backgroundColour >= 0) {
        auto background = std::make_unique<TPrintTestBackground>();
        background->SetColour(backgroundColour);
        background->SetBoundsRect({0, 0, RectWidth(area), RectHeight(area)});
        objects.push_back(std::move(background));
    }
    for (auto& object : more)
        objects.push_back(std::move(object));
    // A draw site lists its objects front-most first.
    std::vector<TDrawObject*> list;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        list.push_back(it->get());
    document_->SaveObjects(face, list);
}

std::vector<std::unique_ptr<TDrawObject>> Boxes(std::initializer_list<std::pair<TRect, int>> boxes)
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    for (const auto& [rect, colour] : boxes)
        objects.push_back(std::make_unique<TPrintTestBox>(rect, colour));
    return objects;
}

std::vector<std::unique_ptr<TDrawObject>> WithBrokenBox()
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    auto broken = std::make_unique<TPrintTestBroken>();
    broken->SetBoundsRect({100, 100, 300, 300});
    objects.push_back(std::move(broken));
    return objects;
}

int WorstChannelDifference(const QImage& first, const QImage& second, const std::function<bool(int x, int y)>& skip)
{
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (skip && skip(x, y))
                continue;
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

namespace {

bool Near(QRgb pixel, const QColor& colour)
{
    return std::abs(qRed(pixel) - colour.red()) <= 60 && std::abs(qGreen(pixel) - colour.green()) <= 60 &&
           std::abs(qBlue(pixel) - colour.blue()) <= 60;
}

} // namespace

QPointF Centroid(const QImage& source, int colour)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QColor wanted = ToQColor(colour);
    double sumX = 0;
    double sumY = 0;
    long long count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (Near(line[x], wanted)) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++count;
            }
    }
    if (count == 0)
        return {-1, -1};
    return {sumX / count, sumY / count};
}

int CountColour(const QImage& source, int colour)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QColor wanted = ToQColor(colour);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += Near(line[x], wanted) ? 1 : 0;
    }
    return count;
}

std::vector<QImage> RasterisePdf(const QString& path)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    EXPECT_EQ(testsupport::RunProgram(QStringLiteral("pdftoppm"),
                                      {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"), path, prefix},
                                      nullptr, 60000),
              0);
    std::vector<QImage> pages;
    QStringList files = QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        pages.push_back(QImage(dir.filePath(file)));
    return pages;
}

std::vector<QImage> RasterisePdfBytes(const QByteArray& pdf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.pdf"));
    testsupport::WriteFileBytes(path, pdf);
    return RasterisePdf(path);
}
