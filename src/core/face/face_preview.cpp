#include "core/face/face_preview.h"

#include "core/model/draw_object.h"
#include "core/model/draw_site_model.h"
#include "core/face/face_info.h"
#include "core/canvas/memory_canvas.h"
#include "core/canvas/units.h"

#include <algorithm>

namespace {

// Lends objects to a site for the lifetime of the loan and puts each back in its slot.
class TObjectLoan {
public:
    TObjectLoan(TDrawSiteModel& site, std::vector<std::unique_ptr<TDrawObject>>& objects)
        : site_(site), objects_(objects)
    {
        lent_.reserve(objects_.size());
        for (std::size_t i = 0; i < objects_.size(); ++i)
            if (objects_[i])
                lent_.emplace_back(i, site_.AddObject(std::move(objects_[i])));
    }
    ~TObjectLoan()
    {
        for (const auto& [slot, object] : lent_)
            objects_[slot] = site_.RemoveObject(object);
    }
    TObjectLoan(const TObjectLoan&) = delete;
    TObjectLoan& operator=(const TObjectLoan&) = delete;

private:
    TDrawSiteModel& site_;
    std::vector<std::unique_ptr<TDrawObject>>& objects_;
    std::vector<std::pair<std::size_t, TDrawObject*>> lent_;
};

int PreviewZoom(const TRect& outer, QSize maxSize, int basePercent)
{
    if (basePercent == kPreviewNaturalZoom)
        return 100;
    const int fittedWidth = RectWidth(FitSize(outer, maxSize.width(), maxSize.height()));
    const int zoom = MulDiv(fittedWidth, basePercent * kUnitsPerInch, RectWidth(outer) * ScreenDPI());
    return std::clamp(zoom, 1, 100);
}

// Paints everything of the bitmap outside the face's region white: the bleed beyond the
// outline and the hole.
void BlankOutsideFace(TMemoryCanvas& canvas, const TScaler& scaler, const TFaceInfo& info)
{
    TFaceInfo atOrigin(info);
    atOrigin.SetOuterRect(info.OuterRect().Translated(-info.OuterRect().Left, -info.OuterRect().Top));
    TCanvasSaver saver(canvas, true);
    scaler.ApplyMapping(canvas);
    const QRegion outside = QRegion(canvas.Image().rect()) - atOrigin.CreateRegion(&canvas, true);
    ResetToPixels(canvas);
    QPainter& painter = canvas.Painter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : outside)
        painter.fillRect(rect, Qt::white);
}

} // namespace

QImage RenderFacePreview(const TFaceInfo& info, std::vector<std::unique_ptr<TDrawObject>>& objects, QSize maxSize,
                         int basePercent)
{
    const TRect outer = info.OuterRect();
    if (outer.IsEmpty() || maxSize.isEmpty())
        return {};
    const int zoom = PreviewZoom(outer, maxSize, basePercent);

    TDrawSiteModel site;
    site.SetBorder(false);
    site.Scaler().SetUnitDPI(kUnitsPerInch);
    site.Scaler().SetScale(zoom);
    site.SetLogSize(RectWidth(outer), RectHeight(outer));
    if (site.PixelSize().isEmpty())
        return {};

    QImage bitmap = CreateBitmap(site.PixelSize(), QImage::Format_BGR888, ScreenDPI());
    {
        TObjectLoan loan(site, objects);
        TMemoryCanvas canvas(bitmap);
        site.DrawTo(canvas, {0, 0}, zoom);
        BlankOutsideFace(canvas, site.Scaler(), info);
    }
    const TRect fitted = FitSize({0, 0, bitmap.width(), bitmap.height()}, maxSize.width(), maxSize.height());
    if (fitted.IsEmpty())
        return {};
    return bitmap.scaled(RectWidth(fitted), RectHeight(fitted), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_BGR888);
}
