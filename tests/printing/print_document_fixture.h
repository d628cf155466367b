#pragma once
// Documents to print in tests: a paper of the shipped catalogue, the stand-in objects on
// its faces, and what a printed page shows of them.
#include "catalogue/database/papers_v2.h"
#include "document/label_data.h"
#include "print_test_objects.h"
#include "support/settings_macros.h"

#include <QImage>
#include <QPointF>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

inline const QString kTwoUpDisc = QStringLiteral("CDラベル A4 2面 118mm 内径22mm");
inline const QString kLandscapeCase = QStringLiteral("DVDトールケース A4横 273×183mm");
inline const QString kOneFaceA4 = QStringLiteral("OAラベル A4 ノーカット");
inline const QString kEpsonDisc = QStringLiteral("プリンタブルディスク エプソン対応 120mm ハブ印刷 内径22mm");
inline const QString kR280 = QStringLiteral("Epson Stylus Photo R280");

// TColor values (0x00BBGGRR).
inline constexpr int kRed = 0x0000FF;
inline constexpr int kGreen = 0x00FF00;
inline constexpr int kBlue = 0xFF0000;

class PrintDocumentTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const TPaperInfo& CataloguePaper(const QString& name);
    // A new document on the paper (a direct-print paper copied for the R280).
    void UsePaper(const QString& name);
    // The face's design: its area filled with the background colour, then the boxes.
    void Design(int face, int backgroundColour, std::vector<std::unique_ptr<TDrawObject>> more = {});
    // The face's outer rectangle on the sheet.
    TRect FaceOuter(int face);

    const testsupport::TSettingsMacros macros_;
    std::unique_ptr<TPapersV2> papers_;
    std::unique_ptr<TLabelData> document_;
};

std::vector<std::unique_ptr<TDrawObject>> Boxes(std::initializer_list<std::pair<TRect, int>> boxes);

// A box that cannot be drawn on a printer, with the colour boxes before it.
std::vector<std::unique_ptr<TDrawObject>> WithBrokenBox();
// The largest difference on any channel between two pictures of one size, leaving out the
// pixels for which skip answers true.
int WorstChannelDifference(const QImage& a, const QImage& b, const std::function<bool(int x, int y)>& skip = {});

// The centroid (pixel centres) of the pixels within 60 of the colour on each channel, in
// pixels; (-1, -1) when there are none.
QPointF Centroid(const QImage& image, int colour);
// The number of such pixels.
int CountColour(const QImage& image, int colour);
// Rasterises a PDF with pdftoppm at 254 dots per inch: one picture per page.
std::vector<QImage> RasterisePdf(const QString& path);
std::vector<QImage> RasterisePdfBytes(const QByteArray& pdf);
