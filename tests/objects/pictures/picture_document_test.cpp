// Pictures and shade figures in a label document: saved and opened unchanged, and exported
// alike to PNG and to PDF (rasterised by poppler's pdftoppm).
#include "catalogue/paper/free_paper_info.h"
#include "core/stream/component_stream.h"
#include "document/face_rendering.h"
#include "document/label_data.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "objects/pictures/alpha_mask.h"
#include "objects/pictures/wizard_image.h"
#include "picture_fixtures.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace picturetest;

namespace {

std::unique_ptr<TFreePaperInfo> OneFacePaper()
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(1000);
    paper->SetHeight(800);
    paper->SetPaperName(QStringLiteral("写真テスト"));
    paper->SetGroupName(QStringLiteral("テスト"));
    TFaceItem* item = paper->Faces()->AddFace();
    item->SetFaceRect({0, 0, 1000, 800});
    item->SetFaceShape(fsRect);
    return paper;
}

QImage Photo(QSize size)
{
    QImage photo(size, QImage::Format_BGR888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            photo.setPixelColor(x, y, QColor(x * 255 / size.width(), y * 255 / size.height(), 160));
    return photo;
}

QImage Vignette(int side)
{
    QImage frame(side, side, QImage::Format_BGR888);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int d = std::max(std::abs(2 * x - side), std::abs(2 * y - side)) * 255 / side;
            const int level = std::clamp((255 - d) * 3, 0, 255);
            frame.setPixelColor(x, y, QColor(level, level, level));
        }
    return frame;
}

class PictureDocument : public testing::Test {
protected:
    void SetUp() override
    {
        SetUpPictureClasses();
        document_.SetPaper(*OneFacePaper());
        image_.SetBoundsRect({50, 50, 450, 350});
        SetBitmap(*image_.ImageData()->Picture(), Photo({160, 120}));
        SetBitmap(*image_.FramePicture(), Vignette(100));
        image_.SetAlphaFrame(true);
        image_.SetAngle(20);
        mask_.SetBoundsRect({500, 300, 900, 700});
        QImage spot(80, 80, QImage::Format_BGR888);
        spot.fill(Qt::black);
        for (int y = 20; y < 60; ++y)
            for (int x = 10; x < 70; ++x)
                spot.setPixelColor(x, y, Qt::white);
        SetBitmap(*mask_.Picture(), spot);
        mask_.SetShadeSize(8);
        mask_.SetAngle(30);
        mask_.SetBlendRatio(80);
        TColorSpec colour;
        colour.SetColor(0x2040C0);
        mask_.SetFillColor(colour);
        document_.SaveObjects(0, {&image_, &mask_});
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    TLabelData document_;
    TLOWizardImage image_;
    TLOAlphaMask mask_;
};

std::vector<QByteArray> ObjectBytes(TLabelData& document)
{
    std::vector<QByteArray> bytes;
    for (const auto& object : document.LoadObjects(0))
        bytes.push_back(ComponentBytes(*object));
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

} // namespace

TEST_F(PictureDocument, OpensAndSavesUnchanged)
{
    std::vector<QByteArray> before{ComponentBytes(image_), ComponentBytes(mask_)};
    std::sort(before.begin(), before.end());
    document_.SaveToFile(Path("pictures.cld"));
    TLabelData opened;
    opened.LoadFromFile(Path("pictures.cld"));
    const std::vector<QByteArray> read = ObjectBytes(opened);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read, before);
    opened.SaveToFile(Path("again.cld"));
    TLabelData again;
    again.LoadFromFile(Path("again.cld"));
    EXPECT_EQ(ObjectBytes(again), before);
}

// The alpha frame and the shade figure reach a PDF as composed images with soft edges, so
// the PDF shows what the bitmap shows.
TEST_F(PictureDocument, PngAndPdfExportsAgree)
{
    ExportDocument(document_, 0, 254, Path("face.png"));
    ExportDocument(document_, 0, 254, Path("face.pdf"));
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("pdftoppm"),
                                      {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                                       QStringLiteral("-singlefile"), Path("face.pdf"), Path("raster")}),
              0);
    const QImage png = QImage(Path("face.png")).convertToFormat(QImage::Format_RGB32);
    const QImage pdf = QImage(Path("raster.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(png.isNull());
    ASSERT_FALSE(pdf.isNull());
    ASSERT_LE(std::abs(png.width() - pdf.width()), 1);
    ASSERT_LE(std::abs(png.height() - pdf.height()), 1);
    int worst = 0;
    int soft = 0;
    for (int y = 0; y < std::min(png.height(), pdf.height()); ++y)
        for (int x = 0; x < std::min(png.width(), pdf.width()); ++x) {
            const QRgb a = png.pixel(x, y);
            const QRgb b = pdf.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
            soft += qRed(a) > 20 && qRed(a) < 235 && qBlue(a) > 200;
        }
    EXPECT_LE(worst, 2);
    EXPECT_GT(soft, 100) << "the exports show soft edges";
}
