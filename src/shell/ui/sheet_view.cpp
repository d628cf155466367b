#include "shell/ui/sheet_view.h"

#include "catalogue/paper/paper_info.h"
#include "core/canvas/canvas.h"
#include "core/face/face_site.h"
#include "core/canvas/units.h"
#include "document/label_data.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// Room around the paper, in pixels.
constexpr int kMargin = 16;
} // namespace

TSheetView::TSheetView(QWidget* parent) : QWidget(parent)
{
    site_.Scaler().SetUnitDPI(kUnitsPerInch);
    site_.SetColor(clWhite);
    setMinimumSize(200, 200);
}

void TSheetView::SetDocument(TLabelData* document)
{
    document_ = document;
    while (site_.ObjectCount() > 0)
        site_.RemoveObject(site_.Object(0));
    const TPaperInfo* paper = document ? document->EffectivePaper() : nullptr;
    if (paper) {
        site_.SetLogSize(paper->Width(), paper->Height());
        CreateFaces(site_, *paper, true);
        for (int face = 0; face < FaceCount(site_); ++face)
            ::FaceAt(site_, face)->SetShowInfo(true);
        SelectFace(std::clamp(document->CurrentLabelNo(), 0, std::max(0, paper->FaceCount() - 1)));
    }
    Fit();
    update();
}

int TSheetView::SelectedFace() const
{
    const TLOFace* face = FirstSelectedFace(site_);
    return face ? FaceIndex(*face) : -1;
}

void TSheetView::SelectFace(int face)
{
    ::SelectFace(site_, face);
    update();
}

void TSheetView::Fit()
{
    if (site_.LogWidth() <= 0 || site_.LogHeight() <= 0)
        return;
    // The zoom that fits the paper into the widget, at most 100 %.
    const TScaler natural(100, kUnitsPerInch);
    const int dpi = site_.DeviceResolution();
    const TRect full = natural.LogToDevRect(dpi, {0, 0, site_.LogWidth(), site_.LogHeight()});
    const int byWidth = MulDiv(100, std::max(1, width() - 2 * kMargin), std::max(1, RectWidth(full)));
    const int byHeight = MulDiv(100, std::max(1, height() - 2 * kMargin), std::max(1, RectHeight(full)));
    site_.Scaler().SetScale(std::clamp(std::min(byWidth, byHeight), 1, 100));
}

QPoint TSheetView::SiteOrigin() const
{
    const QSize size = site_.PixelSize();
    return {std::max(kMargin, (width() - size.width()) / 2), std::max(kMargin, (height() - size.height()) / 2)};
}

int TSheetView::FaceAt(QPoint widgetPoint) const
{
    const QPoint logical = site_.DevToLog(widgetPoint - SiteOrigin());
    for (int face = FaceCount(site_) - 1; face >= 0; --face)
        if (::FaceAt(site_, face)->HitTest(logical))
            return face;
    return -1;
}

void TSheetView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (site_.LogWidth() <= 0)
        return;
    painter.translate(SiteOrigin());
    TCanvas canvas(&painter);
    site_.Paint(canvas);
}

void TSheetView::resizeEvent(QResizeEvent*)
{
    Fit();
}

void TSheetView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int face = FaceAt(event->position().toPoint());
    if (face < 0)
        return;
    SelectFace(face);
    Q_EMIT FaceChosen(face);
}
