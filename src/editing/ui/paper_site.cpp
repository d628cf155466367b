#include "editing/ui/paper_site.h"

#include "catalogue/paper/paper_info.h"
#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "core/face/face_site.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// Room around the paper, in pixels.
constexpr int kMargin = 16;
} // namespace

TPaperSite::TPaperSite(QWidget* parent) : QWidget(parent), faceClass_(&TLOFace::StaticClassInfo())
{
    // One logical unit is 0.1 mm.
    site_.Scaler().SetUnitDPI(kUnitsPerInch);
    site_.SetColor(clWhite);
    setMinimumSize(200, 200);
}

void TPaperSite::SetPaper(const TPaperInfo* paper)
{
    paper_ = paper;
    RebuildFaces();
    Fit();
    update();
}

void TPaperSite::RebuildFaces()
{
    while (site_.ObjectCount() > 0)
        site_.RemoveObject(site_.Object(0));
    regions_.clear();
    if (!paper_)
        return;
    site_.SetLogSize(paper_->Width(), paper_->Height());
    CreateFaces(site_, *paper_, !multiSelect_, *faceClass_);
    for (int index = 0; index < ::FaceCount(site_); ++index) {
        TLOFace* face = ::FaceAt(site_, index);
        face->SetFaceColor(faceColor_);
        face->SetShowInfo(drawInfo_);
        QRegion region = face->FaceInfo().CreateRegion(nullptr, true);
        const QRect bounds = region.boundingRect();
        regions_.emplace_back(std::move(region), bounds);
    }
}

void TPaperSite::SetMultiSelect(bool multiSelect)
{
    if (multiSelect_ == multiSelect)
        return;
    multiSelect_ = multiSelect;
    RebuildFaces();
    update();
}

void TPaperSite::SetFaceClass(const TClassInfo& faceClass)
{
    faceClass_ = &faceClass;
    RebuildFaces();
    update();
}

void TPaperSite::SetDrawInfo(bool drawInfo)
{
    drawInfo_ = drawInfo;
    for (int index = 0; index < FaceCount(); ++index)
        ::FaceAt(site_, index)->SetShowInfo(drawInfo);
    update();
}

void TPaperSite::SetFaceColor(TColor color)
{
    faceColor_ = color;
    for (int index = 0; index < FaceCount(); ++index)
        ::FaceAt(site_, index)->SetFaceColor(color);
    update();
}

int TPaperSite::FaceCount() const
{
    return ::FaceCount(site_);
}

int TPaperSite::CurrentFace() const
{
    const TLOFace* face = FirstSelectedFace(site_);
    return face ? FaceIndex(*face) : -1;
}

bool TPaperSite::IsFaceSelected(int face) const
{
    const TLOFace* object = ::FaceAt(site_, face);
    return object && object->FaceSelected();
}

void TPaperSite::SelectFace(int face)
{
    ::SelectFace(site_, face);
    update();
}

void TPaperSite::SetFaceSelected(int face, bool selected)
{
    if (TLOFace* object = ::FaceAt(site_, face))
        object->SetFaceSelected(selected);
    update();
}

void TPaperSite::Fit()
{
    if (site_.LogWidth() <= 0 || site_.LogHeight() <= 0)
        return;
    // The zoom that fits the paper into the widget, at most 100 %.
    const TScaler natural(100, kUnitsPerInch);
    const TRect full = natural.LogToDevRect(site_.DeviceResolution(), {0, 0, site_.LogWidth(), site_.LogHeight()});
    const int byWidth = MulDiv(100, std::max(1, width() - 2 * kMargin), std::max(1, RectWidth(full)));
    const int byHeight = MulDiv(100, std::max(1, height() - 2 * kMargin), std::max(1, RectHeight(full)));
    site_.Scaler().SetScale(std::clamp(std::min(byWidth, byHeight), 1, 100));
}

QPoint TPaperSite::SiteOrigin() const
{
    const QSize size = site_.PixelSize();
    return {std::max(kMargin, (width() - size.width()) / 2), std::max(kMargin, (height() - size.height()) / 2)};
}

int TPaperSite::FaceAt(QPoint widgetPoint) const
{
    const QPoint logical = site_.DevToLog(widgetPoint - SiteOrigin());
    for (int face = static_cast<int>(regions_.size()) - 1; face >= 0; --face) {
        const auto& [region, bounds] = regions_[face];
        if (bounds.contains(logical) && region.contains(logical))
            return face;
    }
    return -1;
}

void TPaperSite::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (site_.LogWidth() <= 0)
        return;
    painter.translate(SiteOrigin());
    TCanvas canvas(&painter);
    site_.Paint(canvas);
}

void TPaperSite::resizeEvent(QResizeEvent*)
{
    Fit();
}

void TPaperSite::mousePressEvent(QMouseEvent* event)
{
    clickedFace_ = -1;
    if (event->button() != Qt::LeftButton)
        return;
    const int face = FaceAt(event->position().toPoint());
    if (face < 0)
        return;
    TLOFace* object = ::FaceAt(site_, face);
    // One face at a time selects; several toggle.
    object->SetFaceSelected(multiSelect_ ? !object->FaceSelected() : true);
    clickedFace_ = face;
    update();
}

void TPaperSite::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || clickedFace_ < 0)
        return;
    const int face = std::exchange(clickedFace_, -1);
    Q_EMIT FaceClicked(face);
}
