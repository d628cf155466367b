#include "document/face_rendering.h"

#include "catalogue/paper/paper_info.h"
#include "core/model/draw_object.h"
#include "core/model/draw_site_model.h"
#include "core/error.h"
#include "core/face/face_info.h"
#include "core/canvas/memory_canvas.h"
#include "core/canvas/units.h"
#include "document/label_data.h"
#include "graphics/picture/png_codec.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

const TPaperInfo& RequirePaper(TLabelData& document)
{
    const TPaperInfo* paper = document.EffectivePaper();
    if (!paper)
        throw EAppError(QStringLiteral("用紙が設定されていません"));
    return *paper;
}

void RequireFace(const TPaperInfo& paper, int face)
{
    if (face < 0 || face >= paper.FaceCount())
        throw EAppError(QStringLiteral("面 %1 がありません").arg(face + 1));
}

// The logical size of what is rendered: the face's outer rectangle or the sheet.
TRect RenderedArea(TLabelData& document, int face)
{
    const TPaperInfo& paper = RequirePaper(document);
    if (face < 0)
        return {0, 0, paper.Width(), paper.Height()};
    RequireFace(paper, face);
    TFaceInfo info;
    paper.GetFaceInfo(face, info);
    const TRect outer = info.OuterRect();
    return {0, 0, RectWidth(outer), RectHeight(outer)};
}

QSize PixelSize(const TRect& area, int dpi)
{
    return {std::max(1, MulDiv(RectWidth(area), dpi, kUnitsPerInch)), std::max(1, MulDiv(RectHeight(area), dpi, kUnitsPerInch))};
}

void DrawArea(TLabelData& document, int face, TCanvas& canvas)
{
    if (face >= 0) {
        DrawDocumentFace(document, face, canvas, true);
        return;
    }
    for (int each = 0; each < RequirePaper(document).FaceCount(); ++each)
        DrawDocumentFace(document, each, canvas, false);
}

} // namespace

void DrawDocumentFace(TLabelData& document, int face, TCanvas& canvas, bool faceAtOrigin)
{
    const TPaperInfo& paper = RequirePaper(document);
    RequireFace(paper, face);
    TFaceInfo info;
    paper.GetFaceInfo(face, info);
    const TRect outer = info.OuterRect();
    if (faceAtOrigin)
        info.SetFaceRect(info.FaceRect().Translated(-outer.Left, -outer.Top));
    const QPoint faceOrigin = faceAtOrigin ? QPoint(0, 0) : outer.TopLeft();

    TDrawSiteModel site;
    site.SetBorder(false);
    site.Scaler().SetUnitDPI(kUnitsPerInch);
    site.SetLogSize(RectWidth(outer), RectHeight(outer));
    for (std::unique_ptr<TDrawObject>& object : document.LoadObjects(face))
        site.AddObject(std::move(object));

    TCanvasSaver saver(canvas, true);
    TScaler(100, kUnitsPerInch).ApplyMapping(canvas);
    const QRegion printable = info.CreateRegion(&canvas, true);
    const QPoint deviceOrigin = canvas.LogicalToDevice(faceOrigin);
    ResetToPixels(canvas);
    canvas.SetClipRegion(canvas.HasClip() ? canvas.ClipRegion().intersected(printable) : printable);
    site.DrawTo(canvas, deviceOrigin, 100);
}

QImage RenderDocumentImage(TLabelData& document, int face, int dpi)
{
    if (dpi <= 0 || dpi > 2400)
        throw EAppError(QStringLiteral("解像度 %1 は指定できません").arg(dpi));
    QImage image = CreateBitmap(PixelSize(RenderedArea(document, face), dpi), QImage::Format_RGB32, dpi);
    {
        TMemoryCanvas canvas(image, dpi);
        DrawArea(document, face, canvas);
    }
    return image.convertToFormat(QImage::Format_BGR888);
}

void ExportDocument(TLabelData& document, int face, int dpi, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EAppError(QStringLiteral("ファイル「%1」を作成できません").arg(path));
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        if (dpi <= 0 || dpi > 2400)
            throw EAppError(QStringLiteral("解像度 %1 は指定できません").arg(dpi));
        const TRect area = RenderedArea(document, face);
        QPdfWriter pdf(&file);
        pdf.setResolution(dpi);
        pdf.setPageSize(QPageSize(QSizeF(RectWidth(area) / 10.0, RectHeight(area) / 10.0), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("Lumarest"));
        {
            TCanvas canvas(&pdf);
            DrawArea(document, face, canvas);
        }
    } else {
        const QByteArray png = EncodePNG(RenderDocumentImage(document, face, dpi));
        if (file.write(png) != png.size())
            throw EAppError(QStringLiteral("ファイル「%1」を保存できません").arg(path));
    }
    if (!file.commit())
        throw EAppError(QStringLiteral("ファイル「%1」を保存できません").arg(path));
}
